#include "qt/startup/startup.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>

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

// Before Qt 6.8, Qt's Wayland frame loads EGL (libEGL, a Mesa driver, libLLVM)
// for a window that paints without GL. Where the compositor draws the frames,
// Qt is kept from preparing its own; where it draws none and an X server is at
// hand, Qt starts on X11, where the window manager draws it.
std::optional<Setting> frameChoice(const Environment &environment, const Facts &facts)
{
    for (const char *name : {"QT_WAYLAND_DISABLE_WINDOWDECORATION", "QT_WAYLAND_DECORATION",
                             kWaylandBuffers, "QT_WAYLAND_SHELL_INTEGRATION"}) {
        if (environment(name) != nullptr)
            return std::nullopt;
    }
    const std::optional<bool> draws = facts.compositorDrawsFrames();
    if (draws == true)
        return Setting{"QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"};
    if (draws != false || environment("QT_QPA_PLATFORM") != nullptr)
        return std::nullopt;
    // An X server of this machine, ":1" or ":1.0", has a socket by its number.
    const char *x11 = environment("DISPLAY");
    if (x11 != nullptr && x11[0] == ':' &&
        facts.socketExists("/tmp/.X11-unix/X" + std::string(x11 + 1, std::strcspn(x11 + 1, "."))))
        return Setting{"QT_QPA_PLATFORM", "xcb"};
    return std::nullopt;
}

// GNOME's Dark Style leaves the GTK theme light, and Qt's GTK theme with it, so
// GTK is asked for the dark variant of the user's theme. GNOME's settings are
// read only where that theme may load: GIO costs a start about 1 MB.
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
    // Qt's GTK theme loads GTK 3, whose X11 backend probes GL in the first GTK
    // program on an X server; GTK never draws here, and nothing else reads it.
    std::vector<Setting> wanted{{"GDK_GL", "disable"}};
    if (facts.qt >= kQtWithGlFreeFrames) {
        // Plasma's theme before 6.7 makes a GL context as Qt starts
        // (plasma-integration 001369e). Its version cannot be read before Qt
        // loads it, and from Qt 6.8 this window, its frame included, needs no GL.
        wanted.push_back({kWaylandBuffers, "none"});
        wanted.push_back({kX11Gl, "none"});
    } else if (auto frame = frameChoice(environment, facts)) {
        wanted.push_back(std::move(*frame));
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
