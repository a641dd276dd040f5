#include "qt/startup/settings.hpp"

#include <algorithm>
#include <cctype>

namespace quennarix::qt::startup {

namespace {

constexpr const char *kWaylandBuffers = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";
constexpr const char *kX11Gl = "QT_XCB_GL_INTEGRATION";

bool containsCaseless(std::string_view text, std::string_view word)
{
    const auto caseless = [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    };
    return !std::ranges::search(text, word, caseless).empty();
}

bool xServerAtHand(const Environment &environment, const Facts &facts)
{
    const char *display = environment("DISPLAY");
    if (display == nullptr || display[0] != ':')
        return false; // none, or on another host
    std::string_view number(display + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return facts.socketExists("/tmp/.X11-unix/X" + std::string(number));
}

// Before Qt 6.8, Qt's own Wayland frame loads its EGL integration (libEGL, a
// Mesa driver, libLLVM) for a window that paints without GL. Where a
// compositor answers that it draws frames, Qt is kept from preparing its own;
// where it draws none and XWayland is at hand, Qt starts on X11, where the
// window manager draws it. Either is harmless where Qt does not use Wayland.
std::optional<Setting> frameChoice(const Environment &environment, const Facts &facts)
{
    if (facts.qt >= kQtWithGlFreeFrames)
        return std::nullopt;
    for (const char *name : {"QT_WAYLAND_DISABLE_WINDOWDECORATION", "QT_WAYLAND_DECORATION",
                             kWaylandBuffers, "QT_WAYLAND_SHELL_INTEGRATION"}) {
        if (environment(name) != nullptr)
            return std::nullopt;
    }
    const std::optional<bool> draws = facts.compositorDrawsFrames();
    if (!draws)
        return std::nullopt;
    if (*draws)
        return Setting{"QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"};
    if (environment("QT_QPA_PLATFORM") == nullptr && xServerAtHand(environment, facts))
        return Setting{"QT_QPA_PLATFORM", "xcb"};
    return std::nullopt;
}

// GNOME's Dark Style switch leaves the GTK theme light, and Qt's GTK theme
// with it. So on GNOME, where that theme is installed and the user names no
// other, GTK is asked for the dark variant of the user's theme, as a dark GTK
// program shows it. GNOME's settings are read only there: GIO costs a start
// about 1 MB where GTK does not load it anyway.
std::optional<Setting> darkVariant(const Environment &environment, const Facts &facts)
{
    const char *desktop = environment("XDG_CURRENT_DESKTOP");
    const char *theme = environment("QT_QPA_PLATFORMTHEME");
    if (!facts.gtkThemeInstalled || desktop == nullptr || !containsCaseless(desktop, "gnome") ||
        containsCaseless(desktop, "kde") ||
        (theme != nullptr && std::string_view(theme) != "gtk3") ||
        environment("GTK_THEME") != nullptr ||
        facts.gnomeInterface("color-scheme") != "prefer-dark")
        return std::nullopt;
    const std::string gtkTheme = facts.gnomeInterface("gtk-theme").value_or("Adwaita");
    if (containsCaseless(gtkTheme, "dark"))
        return std::nullopt;
    return Setting{"GTK_THEME", gtkTheme + ":dark"};
}

} // namespace

std::vector<Setting> startupSettings(const Environment &environment, const Facts &facts)
{
    // Qt's GTK theme loads GTK 3, whose X11 backend probes GL for its visuals
    // in the first GTK program on each X server; GTK never draws here, and
    // nothing else reads the variable.
    std::vector<Setting> wanted{{"GDK_GL", "disable"}};
    if (auto frame = frameChoice(environment, facts))
        wanted.push_back(std::move(*frame));
    if (facts.qt >= kQtWithGlFreeFrames) {
        // Plasma's theme before 6.7 creates an OpenGL context as Qt starts, to
        // test whether Qt Quick may use GL (plasma-integration 001369e); with
        // Qt's GL integrations off it fails at once. Nothing shows the theme's
        // version before Qt loads it, and from Qt 6.8 a window that paints
        // without GL, its Wayland frame included, loses nothing by it.
        wanted.push_back({kWaylandBuffers, "none"});
        wanted.push_back({kX11Gl, "none"});
    }
    if (auto dark = darkVariant(environment, facts))
        wanted.push_back(std::move(*dark));
    std::erase_if(wanted, [&](const Setting &setting) {
        return environment(setting.name.c_str()) != nullptr;
    });
    return wanted;
}

bool reportsSetting(const std::vector<Setting> &made, std::string_view category,
                    std::string_view message)
{
    const auto madeAny = [&](std::initializer_list<std::string_view> names) {
        return std::ranges::any_of(made, [&](const Setting &setting) {
            return std::ranges::find(names, setting.name) != names.end();
        });
    };
    if (category == "qt.qpa.wayland")
        return madeAny({kWaylandBuffers}) &&
               (message.starts_with("Failed to load client buffer integration: \"none\"") ||
                message.starts_with("Available client buffer integrations:"));
    if (message.starts_with("QXcbIntegration: Cannot create platform OpenGL context"))
        return madeAny({kX11Gl});
    return message == "Warning: fallback to QtQuick software backend." &&
           madeAny({kWaylandBuffers, kX11Gl});
}

} // namespace quennarix::qt::startup
