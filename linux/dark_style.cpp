#include "linux/dark_style.hpp"

#include "linux/display.hpp"

#include <algorithm>
#include <cctype>
#include <dbus/dbus.h>
#include <filesystem>
#include <string_view>

namespace quennarix::qt {

namespace {

// The portal's answer is a variant, which older portals wrap in another.
std::optional<std::string> valueOf(DBusMessageIter *iterator)
{
    switch (dbus_message_iter_get_arg_type(iterator)) {
    case DBUS_TYPE_VARIANT: {
        DBusMessageIter inner;
        dbus_message_iter_recurse(iterator, &inner);
        return valueOf(&inner);
    }
    case DBUS_TYPE_UINT32: {
        dbus_uint32_t number = 0;
        dbus_message_iter_get_basic(iterator, &number);
        return std::to_string(number);
    }
    case DBUS_TYPE_STRING: {
        const char *text = nullptr;
        dbus_message_iter_get_basic(iterator, &text);
        return std::string(text);
    }
    default:
        return std::nullopt;
    }
}

bool sessionBusNamed()
{
    if (environmentValue("DBUS_SESSION_BUS_ADDRESS") != nullptr)
        return true;
    const char *runtime = environmentValue("XDG_RUNTIME_DIR");
    std::error_code ignored;
    return runtime != nullptr &&
           std::filesystem::exists(std::filesystem::path(runtime) / "bus", ignored);
}

} // namespace

std::optional<Setting> chooseDarkVariant(const Environment &environment,
                                         const PortalSetting &portal)
{
    if (environment("GTK_THEME") != nullptr || !qtLoadsTheme(environment, "gtk3", "GNOME"))
        return std::nullopt;
    if (portal("org.freedesktop.appearance", "color-scheme") != "1") // 1: prefer dark
        return std::nullopt;
    const std::string theme =
        portal("org.gnome.desktop.interface", "gtk-theme").value_or("Adwaita");
    std::string lower = theme;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower.find("dark") != std::string::npos)
        return std::nullopt;
    return Setting{"GTK_THEME", theme + ":dark"};
}

DesktopPortal::~DesktopPortal()
{
    if (m_bus != nullptr) {
        dbus_connection_close(m_bus);
        dbus_connection_unref(m_bus);
    }
}

std::optional<std::string> DesktopPortal::read(const char *nameSpace, const char *key)
{
    // Without a bus named, libdbus would launch one for an X session.
    if (!m_tried && sessionBusNamed()) {
        DBusError error;
        dbus_error_init(&error);
        // Private: Qt makes its own shared connection later, as it wants it.
        m_bus = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
        dbus_error_free(&error);
        if (m_bus != nullptr)
            dbus_connection_set_exit_on_disconnect(m_bus, false);
    }
    m_tried = true;
    if (m_bus == nullptr)
        return std::nullopt;

    DBusMessage *call = dbus_message_new_method_call("org.freedesktop.portal.Desktop",
                                                     "/org/freedesktop/portal/desktop",
                                                     "org.freedesktop.portal.Settings", "Read");
    if (call == nullptr)
        return std::nullopt;
    std::optional<std::string> value;
    DBusError error;
    dbus_error_init(&error);
    if (dbus_message_append_args(call, DBUS_TYPE_STRING, &nameSpace, DBUS_TYPE_STRING, &key,
                                 DBUS_TYPE_INVALID)) {
        if (DBusMessage *reply =
                dbus_connection_send_with_reply_and_block(m_bus, call, 250, &error)) {
            DBusMessageIter iterator;
            if (dbus_message_iter_init(reply, &iterator))
                value = valueOf(&iterator);
            dbus_message_unref(reply);
        }
    }
    dbus_error_free(&error);
    dbus_message_unref(call);
    return value;
}

} // namespace quennarix::qt
