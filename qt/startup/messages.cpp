#include "qt/startup/startup.hpp"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace quennarix::qt::startup {

namespace {

struct Message
{
    QtMsgType type;
    std::string category;
    std::string text;
};

// Qt's message handler is a plain function, so what it holds is global.
std::mutex gMutex;
const char *gTitle = "";
std::vector<Setting> gMade;
std::vector<Message> gHeld;
QtMessageHandler gQt = nullptr; // Qt's own, which prints a message with its category
bool gHolding = false;

// A message that reports only what the program set is not passed on.
void passOn(const Message &message)
{
    if (reportsSetting(gMade, message.category, message.text))
        return;
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    gQt(message.type, context, QString::fromStdString(message.text));
}

// Why Qt could not start, where a message says so: a display it could not
// open, as the environment names it, or a platform plugin it could not load.
std::string causeIn(const Message &message)
{
    const bool x11 = message.category == "qt.qpa.xcb" &&
                     message.text.starts_with("could not connect to display");
    if (!x11 && !message.text.starts_with("Failed to create wl_display"))
        return message.category == "qt.qpa.plugin" ? message.text : std::string();
    const auto named = [](const char *value) { return value != nullptr && *value != '\0'; };
    if (!named(std::getenv("DISPLAY")) && !named(std::getenv("WAYLAND_DISPLAY")))
        return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    const char *variable = x11 ? "DISPLAY" : "WAYLAND_DISPLAY";
    const char *value = std::getenv(variable);
    std::string cause = x11 ? "cannot open the display " : "cannot open the Wayland display ";
    if (value == nullptr) // Wayland clients then try the compositor's default socket
        return cause + (x11 ? "(DISPLAY is not set)" : "wayland-0");
    if (*value == '\0')
        return cause.append("(").append(variable).append(" is empty)");
    return cause + value;
}

void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::unique_lock lock(gMutex);
    if (!gHolding) { // released while this message was on its way
        lock.unlock();
        gQt(type, context, text);
        return;
    }
    if (type != QtFatalMsg) {
        gHeld.push_back(
            {type, context.category != nullptr ? context.category : "", text.toStdString()});
        return;
    }
    // The messages that do not merely restate the cause go before it.
    std::string cause;
    for (const Message &message : gHeld) {
        if (std::string explains = causeIn(message); explains.empty())
            passOn(message);
        else if (cause.empty())
            cause = std::move(explains);
    }
    if (cause.empty())
        cause = text.section(QLatin1Char('\n'), 0, 0).toStdString();
    std::fprintf(stderr, "%s: %s\n", gTitle, cause.c_str());
    std::_Exit(1);
}

} // namespace

void holdStartMessages(const char *title, std::vector<Setting> made)
{
    const std::lock_guard lock(gMutex);
    gTitle = title;
    gMade = std::move(made);
    gHolding = true;
    gQt = qInstallMessageHandler(hold);
}

void releaseStartMessages()
{
    const std::lock_guard lock(gMutex);
    gHolding = false;
    qInstallMessageHandler(gQt);
    for (const Message &message : gHeld)
        passOn(message);
    gHeld.clear();
}

} // namespace quennarix::qt::startup
