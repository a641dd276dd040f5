#pragma once

#include <memory>

class QWidget;

namespace quennarix::qt {

// What the program tells its start-up about itself.
struct ProjectHeader
{
    const char *title; // the application's name, shown on its message boxes
    const char *version;
    const char *desktopFileName; // the desktop entry's id, which names the window to the shell
    const char *iconPath; // a Qt resource path prefix; sizes are appended as "-16.png" and so on
    std::unique_ptr<QWidget> (*createStartupForm)();
};

// Shows the start-up form and runs until it is closed; returns the exit status.
// Without a display it says so in one line on stderr and returns 1.
int start(const char *programPath, const ProjectHeader &header);

} // namespace quennarix::qt
