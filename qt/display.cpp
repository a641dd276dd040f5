#include "qt/display.hpp"

#include <cstdlib>

namespace quennarix::qt {

namespace {

const char *valueOf(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

} // namespace

std::string missingDisplay()
{
    // A platform chosen on purpose (offscreen, say) needs no display.
    if (valueOf("QT_QPA_PLATFORM") || valueOf("WAYLAND_DISPLAY") || valueOf("DISPLAY"))
        return {};
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string unreachableX11Display()
{
    const char *x11 = valueOf("DISPLAY");
    return std::string("cannot open the display ") + (x11 ? x11 : "(DISPLAY is not set)");
}

std::string unreachableWaylandDisplay()
{
    // Without WAYLAND_DISPLAY, clients try the compositor's default socket.
    const char *wayland = valueOf("WAYLAND_DISPLAY");
    return std::string("cannot open the Wayland display ") + (wayland ? wayland : "wayland-0");
}

} // namespace quennarix::qt
