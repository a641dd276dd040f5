#include "runtime/display.hpp"

#include <cstdlib>

#ifdef QUENNARIX_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace quennarix::runtime {

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

std::string missingDisplay()
{
#ifdef _WIN32
    return {};
#else
    // A platform chosen on purpose (offscreen, say) needs no display.
    if (isSet("QT_QPA_PLATFORM") || isSet("WAYLAND_DISPLAY"))
        return {};
    if (!isSet("DISPLAY"))
        return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
#ifdef QUENNARIX_HAVE_XCB
    // Qt aborts with a core dump when the X server does not answer; ask first.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!answered)
        return std::string("cannot connect to the X display ") + std::getenv("DISPLAY");
#endif
    return {};
#endif
}

} // namespace quennarix::runtime
