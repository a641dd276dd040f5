#include "linux/theme_gl.hpp"

#include <utility>

namespace quennarix::qt {

std::vector<Setting> keepThemesOffGl(const Environment &environment)
{
    std::vector<Setting> wanted{{"GDK_GL", "disable"}};
    if (qtLoadsTheme(environment, "kde", "KDE")) {
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
