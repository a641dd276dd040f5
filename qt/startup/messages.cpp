#include "qt/startup/messages.hpp"

#include "qt/startup/display.hpp"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace quennarix::qt::startup {

FailedStart explainFailedStart(const std::vector<StartMessage> &held, const std::string &fatal,
                               const Environment &environment)
{
    FailedStart failed;
    for (const StartMessage &message : held) {
        std::string explains;
        if (message.category == "qt.qpa.xcb" &&
            message.text.starts_with("could not connect to display"))
            explains = unreachableX11Display(environment);
        else if (message.text.starts_with("Failed to create wl_display"))
            explains = unreachableWaylandDisplay(environment);
        else if (message.category == "qt.qpa.plugin")
            explains = message.text;
        else
            failed.passOn.push_back(message);
        if (failed.cause.empty())
            failed.cause = explains;
    }
    if (failed.cause.empty())
        failed.cause = fatal.substr(0, fatal.find('\n'));
    return failed;
}

namespace {

// Qt's message handler is a plain function, so what it holds is global.
std::mutex gMutex;
const char *gTitle = "";
std::vector<Setting> gMade;
std::vector<StartMessage> gHeld;
QtMessageHandler gPrevious = nullptr;
bool gHolding = false;

void passOn(const StartMessage &message)
{
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    qt_message_output(message.type, context, QString::fromStdString(message.text));
}

void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::unique_lock lock(gMutex);
    if (!gHolding) { // released while this message was on its way
        lock.unlock();
        qt_message_output(type, context, text);
        return;
    }
    StartMessage message{type, context.category != nullptr ? context.category : "",
                         text.toStdString()};
    if (type != QtFatalMsg) {
        gHeld.push_back(std::move(message));
        return;
    }
    qInstallMessageHandler(gPrevious);
    const FailedStart failed = explainFailedStart(gHeld, message.text, environmentValue);
    // Inside a message handler Qt prints a further message bare, without its
    // category; its guard holds for this thread only.
    std::thread([&failed] {
        for (const StartMessage &passed : failed.passOn)
            passOn(passed);
    }).join();
    std::fprintf(stderr, "%s: %s\n", gTitle, failed.cause.c_str());
    std::_Exit(1);
}

} // namespace

void holdStartMessages(const char *title, std::vector<Setting> made)
{
    const std::lock_guard lock(gMutex);
    gTitle = title;
    gMade = std::move(made);
    gHolding = true;
    gPrevious = qInstallMessageHandler(hold);
}

void releaseStartMessages()
{
    std::vector<StartMessage> held;
    {
        const std::lock_guard lock(gMutex);
        if (!gHolding)
            return;
        gHolding = false;
        qInstallMessageHandler(gPrevious);
        held.swap(gHeld);
    }
    for (const StartMessage &message : held) {
        if (!reportsSetting(gMade, message.category, message.text))
            passOn(message);
    }
}

} // namespace quennarix::qt::startup
