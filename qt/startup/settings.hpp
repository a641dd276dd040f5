#pragma once

#include <compare>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the program sets for Qt before Qt starts. Each setting either does no
// harm where it is not needed, or rests on something the program reads itself;
// none predicts which platform or theme Qt will choose. A variable the user
// has set, even to nothing, is left alone. docs/linux-desktop.md tables each
// with what it buys and when it goes.
namespace quennarix::qt::startup {

// A variable's value as the process has it: nullptr when unset, "" when set empty.
using Environment = std::function<const char *(const char *name)>;

struct QtVersion
{
    int major;
    int minor;
    friend auto operator<=>(const QtVersion &, const QtVersion &) = default;
};

// The first Qt whose own Wayland frame loads no GL and may be drawn without a
// buffer integration (qtwayland 4c2fd790, "QWaylandDisplay: Allow
// software-only deco and don't init GL needlessly", QTBUG-124284), from
// CMakeLists.txt.
inline constexpr QtVersion kQtWithGlFreeFrames{QUENNARIX_QT_GL_FREE_FRAMES_MAJOR,
                                               QUENNARIX_QT_GL_FREE_FRAMES_MINOR};

struct Setting
{
    std::string name;
    std::string value;
    friend bool operator==(const Setting &, const Setting &) = default;
};

// What the program reads before Qt starts; each question is asked only where
// its answer matters.
struct Facts
{
    QtVersion qt;           // the Qt the program runs on, which may be newer than its build's
    bool gtkThemeInstalled; // Qt's GTK platform theme plugin
    // A key of GNOME's org.gnome.desktop.interface settings; nullopt where there is none.
    std::function<std::optional<std::string>(const char *key)> gnomeInterface;
    // Whether a Wayland compositor answers that it draws window frames; nullopt
    // when none answers.
    std::function<std::optional<bool>()> compositorDrawsFrames;
    std::function<bool(const std::string &path)> socketExists;
};

std::vector<Setting> startupSettings(const Environment &environment, const Facts &facts);

// Whether a message Qt or a theme gives while starting reports only what one
// of `made` does: that GL is off.
bool reportsSetting(const std::vector<Setting> &made, std::string_view category,
                    std::string_view message);

} // namespace quennarix::qt::startup
