#pragma once

#include "linux/setting.hpp"

#include <functional>
#include <optional>
#include <string>

struct DBusConnection;

// GNOME's Dark Style switch sets the desktop portal's colour scheme. Qt's GTK
// platform theme draws the window in the colours of the user's GTK theme, which
// the switch leaves light: Qt 6.8 learns the scheme but keeps those colours, and
// Qt's own GNOME theme ignores it. So where the GTK theme draws the window, the
// program reads the scheme before Qt starts and asks GTK for the dark variant
// of the user's GTK theme, as a dark GTK program shows it.
namespace quennarix::qt {

// A portal setting by namespace and key, as text (a number in decimal);
// nullopt when there is no answer.
using PortalSetting =
    std::function<std::optional<std::string>(const char *nameSpace, const char *key)>;

// GTK_THEME for the dark variant, where GNOME asks for dark, the GTK theme is
// Qt's, and the user has set no GTK theme of their own.
std::optional<Setting> chooseDarkVariant(const Environment &environment,
                                         const PortalSetting &portal);

// The desktop portal's settings, read on a private connection to the session
// bus, made at the first question; each a round trip of at most a quarter of a
// second.
class DesktopPortal
{
public:
    DesktopPortal() = default;
    ~DesktopPortal();
    DesktopPortal(const DesktopPortal &) = delete;
    DesktopPortal &operator=(const DesktopPortal &) = delete;

    std::optional<std::string> read(const char *nameSpace, const char *key);

private:
    DBusConnection *m_bus = nullptr;
    bool m_tried = false;
};

} // namespace quennarix::qt
