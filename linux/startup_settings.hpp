#pragma once

#include "linux/qt_rules.hpp"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Everything the program sets for Qt before Qt starts, worked out in one place
// from what it finds: each keeps a desktop's integration from costing the
// window GL it never uses, or gives the window the desktop's colours. A
// variable the user has set is never changed. docs/linux-desktop.md tables
// each workaround with its way out.
namespace quennarix::desktop {

struct Setting
{
    std::string name;
    std::string value;
    friend bool operator==(const Setting &, const Setting &) = default;
};

// What the program may ask of the desktop; each is asked only where its
// answer matters.
struct DesktopAnswers
{
    // A key of GNOME's org.gnome.desktop.interface settings, as text; nullopt
    // where there is none.
    std::function<std::optional<std::string>(const char *key)> gnomeInterface;
    // Whether the Wayland compositor draws window frames; nullopt when none answers.
    std::function<std::optional<bool>()> compositorDrawsFrames;
    std::function<bool(const std::string &path)> socketExists;
};

// The first Qt whose own Wayland frame loads no GL (qtwayland 4c2fd790,
// "QWaylandDisplay: Allow software-only deco and don't init GL needlessly"),
// from CMakeLists.txt, which builds the frame's question only for an older one.
inline constexpr QtVersion kQtWithGlFreeFrames{QUENNARIX_QT_GL_FREE_FRAMES_MAJOR,
                                               QUENNARIX_QT_GL_FREE_FRAMES_MINOR};

std::vector<Setting> startupSettings(const Environment &environment, const DesktopAnswers &desktop,
                                     QtVersion qt);

// Whether a message Qt or a theme gives while starting reports only what one
// of `made` does: that GL is off.
bool reportsSetting(const std::vector<Setting> &made, std::string_view category,
                    std::string_view message);

} // namespace quennarix::desktop
