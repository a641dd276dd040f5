#include "linux/display.hpp"

#include <cstdlib>

namespace quennarix::qt {

const char *environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string missingDisplay()
{
    // A platform chosen on purpose (offscreen, say) needs no display.
    if (environmentValue("QT_QPA_PLATFORM") || environmentValue("WAYLAND_DISPLAY") ||
        environmentValue("DISPLAY"))
        return {};
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string unreachableX11Display()
{
    const char *x11 = environmentValue("DISPLAY");
    return std::string("cannot open the display ") + (x11 ? x11 : "(DISPLAY is not set)");
}

std::string unreachableWaylandDisplay()
{
    // Without WAYLAND_DISPLAY, clients try the compositor's default socket.
    const char *wayland = environmentValue("WAYLAND_DISPLAY");
    return std::string("cannot open the Wayland display ") + (wayland ? wayland : "wayland-0");
}

} // namespace quennarix::qt
