#pragma once

#include "qt/startup/settings.hpp"

#include <QtGlobal>

#include <string>
#include <vector>

// While the application object is being made, Qt ends a failed start with an
// abort and a core dump, after warnings that say why. Its messages are held
// until the start succeeds; a fatal one instead becomes one line naming the
// cause, and status 1.
namespace quennarix::qt::startup {

struct StartMessage
{
    QtMsgType type;
    std::string category;
    std::string text;
};

struct FailedStart
{
    std::string cause;
    std::vector<StartMessage> passOn; // those that do not merely restate it
};

// The cause, from the warnings Qt gave before giving up, else the fatal
// message's first line.
FailedStart explainFailedStart(const std::vector<StartMessage> &held, const std::string &fatal,
                               const Environment &environment);

// Holds Qt's messages, from any thread, until releaseStartMessages(), which
// passes them on but for those that report only what `made` does.
void holdStartMessages(const char *title, std::vector<Setting> made);
void releaseStartMessages();

} // namespace quennarix::qt::startup
