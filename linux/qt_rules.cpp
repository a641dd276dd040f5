#include "linux/qt_rules.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace quennarix::desktop {

namespace {

std::string inCase(std::string_view text, bool upper)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c))
                                    : std::tolower(static_cast<unsigned char>(c)));
    return result;
}

bool is(const char *value, std::string_view text)
{
    return value != nullptr && text == value;
}

// detectDesktopEnvironment, src/gui/platform/unix/qgenericunixservices.cpp, alike
// in 6.4 and 6.8. The DESKTOP_SESSION that 6.8 also reads as a session file's
// path is left out: such a session sets XDG_CURRENT_DESKTOP too.
std::string desktopEnvironment(const Environment &environment)
{
    if (const char *desktops = environment("XDG_CURRENT_DESKTOP"))
        return inCase(desktops, true);
    if (environment("KDE_FULL_SESSION") != nullptr)
        return "KDE";
    if (environment("GNOME_DESKTOP_SESSION_ID") != nullptr)
        return "GNOME";
    const char *session = environment("DESKTOP_SESSION");
    if (is(session, "gnome"))
        return "GNOME";
    if (is(session, "xfce"))
        return "XFCE";
    return "UNKNOWN";
}

// QGenericUnixTheme::themeNames, src/gui/platform/unix/qgenericunixthemes.cpp,
// alike in 6.4 and 6.8: KDE's theme when the whole value is "KDE"; GTK's, then
// GNOME's, for each GTK desktop; any other name lower-cased, without "x-", so
// that "KDE" among other names gives "kde" too.
std::vector<std::string> desktopThemeNames(const Environment &environment)
{
    constexpr std::array<std::string_view, 6> kGtkDesktops{"GNOME", "X-CINNAMON", "UNITY",
                                                           "MATE",  "XFCE",       "LXDE"};
    const std::string desktops = desktopEnvironment(environment);
    std::vector<std::string> names;
    for (std::string_view rest = desktops;;) {
        const std::string_view name = rest.substr(0, rest.find(':'));
        if (desktops == "KDE") {
            names.emplace_back("kde");
        } else if (std::ranges::find(kGtkDesktops, name) != kGtkDesktops.end()) {
            names.emplace_back("gtk3");
            names.emplace_back("gnome");
        } else {
            const std::string key = inCase(name, false);
            names.push_back(key.starts_with("x-") ? key.substr(2) : key);
        }
        if (name.size() == rest.size())
            break;
        rest.remove_prefix(name.size() + 1);
    }
    names.emplace_back("generic");
    return names;
}

} // namespace

// QGuiApplicationPrivate::createPlatformIntegration, src/gui/kernel/qguiapplication.cpp,
// 6.4 and 6.8: the theme QT_QPA_PLATFORMTHEME names comes first (a Flatpak or
// Snap puts the portal's next; this program ships as neither), then the
// desktop's names; the first name with a plugin wins, and only then Qt's own
// themes. Of the plugins, the two Debian's desktops install count: Plasma's,
// "kde", and Qt's GTK theme, "gtk3". A plugin for another of the desktop's
// names is taken to be absent, a theme the user names to be there.
std::string themeQtLoads(const Environment &environment)
{
    if (const char *named = environment("QT_QPA_PLATFORMTHEME"))
        return named;
    for (const std::string &name : desktopThemeNames(environment)) {
        if (name == "kde" || name == "gtk3")
            return name;
    }
    return "generic";
}

// QGuiApplicationPrivate::createPlatformIntegration, src/gui/kernel/qguiapplication.cpp,
// alike in 6.4 and 6.8 (both tried, as Debian 12 and 13 build them): the platforms
// QT_QPA_PLATFORM names, else Wayland first wherever WAYLAND_DISPLAY is set or
// the session says Wayland, whatever else it says, even with DISPLAY set too.
bool qtStartsOnWayland(const Environment &environment)
{
    if (const char *platform = environment("QT_QPA_PLATFORM"))
        return std::string_view(platform).starts_with("wayland");
    return environment("WAYLAND_DISPLAY") != nullptr ||
           is(environment("XDG_SESSION_TYPE"), "wayland");
}

} // namespace quennarix::desktop
