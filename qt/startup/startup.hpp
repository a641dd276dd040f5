#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the Qt program does on a Linux desktop before and while Qt starts.
namespace quennarix::qt::startup {

// A variable's value: nullptr when unset, "" when set empty.
using Environment = std::function<const char *(const char *name)>;

// The first Qt whose Wayland frame loads no GL (qtwayland 4c2fd790, QTBUG-124284).
inline constexpr int kQtWithGlFreeFrames =
    QT_VERSION_CHECK(QUENNARIX_QT_GL_FREE_FRAMES_MAJOR, QUENNARIX_QT_GL_FREE_FRAMES_MINOR, 0);

// What the program reads before Qt starts; each is asked only where its answer matters.
struct Facts
{
    int qt;                 // the version run on, which may be newer than the build's
    bool gtkThemeInstalled; // Qt's GTK platform theme plugin
    // A key of GNOME's org.gnome.desktop.interface; nullopt where there is none.
    std::function<std::optional<std::string>(const char *key)> gnomeInterface;
    // Whether the Wayland compositor draws the frames; nullopt when none answers.
    std::function<std::optional<bool>()> compositorDrawsFrames;
    std::function<bool(const std::string &path)> socketExists;
};

Facts factsOfThisMachine();
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
std::optional<bool> compositorDrawsFrames();
#endif

struct Setting
{
    std::string name;
    std::string value;
    friend bool operator==(const Setting &, const Setting &) = default;
};

// What the program sets for Qt. Each setting is harmless where it is not needed
// or rests on a fact above, never on a guess at the platform or theme Qt will
// choose; a variable the user has set, even to nothing, is left alone.
std::vector<Setting> startupSettings(const Environment &environment, const Facts &facts);

// Whether a message Qt or a theme gives while starting reports only what one
// of `made` does: that GL is off.
bool reportsSetting(const std::vector<Setting> &made, std::string_view category,
                    std::string_view message);

// Qt ends a failed start with an abort and a core dump, after warnings that say
// why. Its messages, from any thread, are held until releaseStartMessages(),
// which passes them on but for those reporting only what `made` does; a fatal
// one instead ends the program with one line naming the cause, and status 1.
void holdStartMessages(const char *title, std::vector<Setting> made);
void releaseStartMessages();

} // namespace quennarix::qt::startup
