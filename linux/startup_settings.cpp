#include "linux/startup_settings.hpp"

#include <algorithm>
#include <cctype>

namespace quennarix::desktop {

namespace {

constexpr const char *kWaylandBuffers = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";
constexpr const char *kX11Gl = "QT_XCB_GL_INTEGRATION";

bool xServerAtHand(const Environment &environment, const DesktopAnswers &desktop)
{
    const char *display = environment("DISPLAY");
    if (display == nullptr || display[0] != ':')
        return false; // none, or on another host
    std::string_view number(display + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return desktop.socketExists("/tmp/.X11-unix/X" + std::string(number));
}

// Before Qt 6.8, Qt's own Wayland frame loads its EGL integration (libEGL, a
// Mesa driver, libLLVM) for a window that paints without GL. Where the
// compositor draws frames, Qt is kept from preparing its own; else, where the
// user named no platform and XWayland is at hand, Qt starts on X11, where the
// window manager draws the frame. The choice is ours only where the user has
// set none of Qt's Wayland frame, shell or buffer variables.
std::optional<Setting> frameChoice(const Environment &environment, const DesktopAnswers &desktop,
                                   QtVersion qt)
{
    if (qt >= kQtWithGlFreeFrames || !qtStartsOnWayland(environment))
        return std::nullopt;
    for (const char *name : {"QT_WAYLAND_DISABLE_WINDOWDECORATION", "QT_WAYLAND_DECORATION",
                             kWaylandBuffers, "QT_WAYLAND_SHELL_INTEGRATION"}) {
        if (environment(name) != nullptr)
            return std::nullopt;
    }
    const std::optional<bool> draws = desktop.compositorDrawsFrames();
    if (!draws)
        return std::nullopt; // Qt says why when it tries
    if (*draws)
        return Setting{"QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"};
    if (environment("QT_QPA_PLATFORM") == nullptr && xServerAtHand(environment, desktop))
        return Setting{"QT_QPA_PLATFORM", "xcb"};
    return std::nullopt;
}

// GNOME's Dark Style switch leaves the GTK theme light: Qt 6.8's GTK theme
// learns the colour scheme but keeps the theme's colours. So GTK is asked for
// the dark variant of the user's theme, as a dark GTK program shows it.
std::optional<Setting> darkVariant(const Environment &environment, const DesktopAnswers &desktop)
{
    if (environment("GTK_THEME") != nullptr ||
        desktop.gnomeInterface("color-scheme") != "prefer-dark")
        return std::nullopt;
    const std::string theme = desktop.gnomeInterface("gtk-theme").value_or("Adwaita");
    const auto caseless = [](unsigned char a, char b) { return std::tolower(a) == b; };
    if (!std::ranges::search(theme, std::string_view("dark"), caseless).empty())
        return std::nullopt;
    return Setting{"GTK_THEME", theme + ":dark"};
}

} // namespace

std::vector<Setting> startupSettings(const Environment &environment, const DesktopAnswers &desktop,
                                     QtVersion qt)
{
    std::vector<Setting> wanted;
    if (auto frame = frameChoice(environment, desktop, qt))
        wanted.push_back(std::move(*frame));
    const std::string theme = themeQtLoads(environment);
    if (theme == "kde") {
        // Plasma's theme before 6.7 creates an OpenGL context as Qt starts, to
        // test whether Qt Quick may use GL (plasma-integration 001369e). With
        // Qt's GL integrations off the test fails at once, and Breeze and KDE's
        // colours stay.
        wanted.push_back({kWaylandBuffers, "none"});
        wanted.push_back({kX11Gl, "none"});
    } else if (theme == "gtk3") {
        // GTK's X11 backend probes GL for its visuals in the first GTK program
        // on each X server; GTK never draws here.
        wanted.push_back({"GDK_GL", "disable"});
        if (auto dark = darkVariant(environment, desktop))
            wanted.push_back(std::move(*dark));
    }
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

} // namespace quennarix::desktop
