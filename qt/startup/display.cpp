#include "qt/startup/display.hpp"

#include <cstdlib>
#include <sys/stat.h>

namespace quennarix::qt::startup {

namespace {

const char *named(const Environment &environment, const char *name)
{
    const char *value = environment(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

} // namespace

const char *environmentValue(const char *name)
{
    return std::getenv(name);
}

std::string missingDisplay(const Environment &environment)
{
    // A platform chosen on purpose (offscreen, say) needs no display.
    if (named(environment, "QT_QPA_PLATFORM") || named(environment, "WAYLAND_DISPLAY") ||
        named(environment, "DISPLAY"))
        return {};
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string unreachableX11Display(const Environment &environment)
{
    const char *x11 = environment("DISPLAY");
    return std::string("cannot open the display ") + (x11 == nullptr ? "(DISPLAY is not set)"
                                                      : *x11         ? x11
                                                                     : "(DISPLAY is empty)");
}

std::string unreachableWaylandDisplay(const Environment &environment)
{
    // Without WAYLAND_DISPLAY, clients try the compositor's default socket.
    const char *wayland = environment("WAYLAND_DISPLAY");
    return std::string("cannot open the Wayland display ") + (wayland == nullptr ? "wayland-0"
                                                              : *wayland
                                                                  ? wayland
                                                                  : "(WAYLAND_DISPLAY is empty)");
}

bool isSocket(const std::string &path)
{
    struct stat status
    {
    };
    return stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace quennarix::qt::startup
