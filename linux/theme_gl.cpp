#include "linux/theme_gl.hpp"

#include <utility>

namespace quennarix::qt {

namespace {

// Qt loads the theme whose key is "kde" when the user names it, or, naming
// none, when the desktop is KDE's.
bool plasmaThemeLoads(const Environment &environment)
{
    if (const char *theme = environment("QT_QPA_PLATFORMTHEME"))
        return std::string_view(theme) == "kde";
    const char *desktops = environment("XDG_CURRENT_DESKTOP");
    if (desktops == nullptr)
        return false;
    for (std::string_view rest(desktops); !rest.empty();) {
        const auto colon = rest.find(':');
        if (rest.substr(0, colon) == "KDE")
            return true;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

} // namespace

std::vector<Setting> keepThemesOffGl(const Environment &environment)
{
    std::vector<Setting> wanted{{"GDK_GL", "disable"}};
    if (plasmaThemeLoads(environment)) {
        wanted.push_back({"QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none"});
        wanted.push_back({"QT_XCB_GL_INTEGRATION", "none"});
    }
    std::vector<Setting> settings;
    for (Setting &setting : wanted) {
        if (environment(setting.name.c_str()) == nullptr)
            settings.push_back(std::move(setting));
    }
    return settings;
}

bool reportsGlOff(std::string_view category, std::string_view message)
{
    if (category == "qt.qpa.wayland")
        return message.starts_with("Failed to load client buffer integration: \"none\"") ||
               message.starts_with("Available client buffer integrations:");
    return message == "Warning: fallback to QtQuick software backend." ||
           message.starts_with("QXcbIntegration: Cannot create platform OpenGL context");
}

} // namespace quennarix::qt
