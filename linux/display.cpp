#include "linux/display.hpp"

#include <cstdlib>
#include <sys/stat.h>

namespace quennarix::desktop {

const char *environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string missingDisplay(const Environment &environment)
{
    // A platform chosen on purpose (offscreen, say) needs no display.
    if (environment("QT_QPA_PLATFORM") || environment("WAYLAND_DISPLAY") || environment("DISPLAY"))
        return {};
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string unreachableX11Display(const Environment &environment)
{
    const char *x11 = environment("DISPLAY");
    return std::string("cannot open the display ") + (x11 ? x11 : "(DISPLAY is not set)");
}

std::string unreachableWaylandDisplay(const Environment &environment)
{
    // Without WAYLAND_DISPLAY, clients try the compositor's default socket.
    const char *wayland = environment("WAYLAND_DISPLAY");
    return std::string("cannot open the Wayland display ") + (wayland ? wayland : "wayland-0");
}

bool isSocket(const std::string &path)
{
    struct stat status
    {
    };
    return stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace quennarix::desktop
