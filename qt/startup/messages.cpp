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

void passOn(const Message &message)
{
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    gQt(message.type, context, QString::fromStdString(message.text));
}

// The display Qt could not open, as the environment names it.
std::string unreachable(const char *display, const char *variable, const char *unset)
{
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    if ((x11 == nullptr || *x11 == '\0') && (wayland == nullptr || *wayland == '\0'))
        return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    const char *value = std::getenv(variable);
    std::string sentence = std::string("cannot open the ") + display + " ";
    if (value == nullptr)
        return sentence + unset;
    if (*value == '\0')
        return sentence.append("(").append(variable).append(" is empty)");
    return sentence + value;
}

// Why Qt could not start, where a message says so.
std::string causeIn(const Message &message)
{
    if (message.category == "qt.qpa.xcb" &&
        message.text.starts_with("could not connect to display"))
        return unreachable("display", "DISPLAY", "(DISPLAY is not set)");
    if (message.text.starts_with("Failed to create wl_display"))
        // Without WAYLAND_DISPLAY, clients try the compositor's default socket.
        return unreachable("Wayland display", "WAYLAND_DISPLAY", "wayland-0");
    return message.category == "qt.qpa.plugin" ? message.text : std::string();
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
    for (const Message &message : gHeld) {
        if (!reportsSetting(gMade, message.category, message.text))
            passOn(message);
    }
    gHeld.clear();
}

} // namespace quennarix::qt::startup
