#include "linux/dark_style.hpp"
#include "linux/theme_gl.hpp"
#include "table.hpp"
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
#include "linux/frame_choice.hpp"
#endif

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace quennarix::qt {

// Found by GoogleTest beside Setting, so a failure prints the variable.
std::ostream &operator<<(std::ostream &out, const Setting &setting)
{
    return out << setting.name << "=" << setting.value;
}

namespace {

using Variables = std::map<std::string, std::string>;

Environment environmentOf(const Variables &variables)
{
    return [&variables](const char *name) -> const char * {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    };
}

Variables with(Variables variables, const std::string &name, const std::string &value)
{
    variables[name] = value;
    return variables;
}

struct ThemeGlRow : testing::NamedRow
{
    Variables environment;
    std::vector<Setting> expected;
};

using ThemeGl = testing::Table<ThemeGlRow>;

TEST_P(ThemeGl, IsKeptOutUnlessTheUserChose)
{
    EXPECT_EQ(keepThemesOffGl(environmentOf(row().environment)), row().expected);
}

const Setting kNoGtkGl{"GDK_GL", "disable"};
const Setting kNoWaylandGl{"QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none"};
const Setting kNoX11Gl{"QT_XCB_GL_INTEGRATION", "none"};
const Variables kPlasma{{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "KDE"}};
const std::vector<Setting> kAllOff{kNoGtkGl, kNoWaylandGl, kNoX11Gl};

const ThemeGlRow kThemeGlRows[] = {
    ThemeGlRow{{"PlasmaSession"}, kPlasma, kAllOff},
    ThemeGlRow{{"KdeAmongDesktops"}, with(kPlasma, "XDG_CURRENT_DESKTOP", "Distro:KDE"), kAllOff},
    ThemeGlRow{{"UserNamedPlasmaThemeElsewhere"},
               {{"XDG_CURRENT_DESKTOP", "GNOME"}, {"QT_QPA_PLATFORMTHEME", "kde"}},
               kAllOff},
    ThemeGlRow{
        {"UserNamedAnotherTheme"}, with(kPlasma, "QT_QPA_PLATFORMTHEME", "gtk3"), {kNoGtkGl}},
    ThemeGlRow{{"UserChoseABufferIntegration"},
               with(kPlasma, "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "wayland-egl"),
               {kNoGtkGl, kNoX11Gl}},
    ThemeGlRow{{"GnomeSession"}, with(kPlasma, "XDG_CURRENT_DESKTOP", "GNOME"), {kNoGtkGl}},
    ThemeGlRow{
        {"NameOnlyBeginsWithKde"}, with(kPlasma, "XDG_CURRENT_DESKTOP", "KDEish"), {kNoGtkGl}},
    ThemeGlRow{{"NoDesktop"}, {}, {kNoGtkGl}},
};

QUENNARIX_TABLE(ThemeGl, kThemeGlRows);

struct DarkRow : testing::NamedRow
{
    Variables environment;
    Variables portal; // "namespace key" to value; a key missing has no answer
    std::optional<Setting> expected;
    bool asks = true;
};

using DarkVariant = testing::Table<DarkRow>;

TEST_P(DarkVariant, IsAskedOfGtkWhereGnomeWantsDark)
{
    bool asked = false;
    const auto portal = [&](const char *nameSpace, const char *key) -> std::optional<std::string> {
        asked = true;
        const auto found = row().portal.find(std::string(nameSpace) + " " + key);
        return found == row().portal.end() ? std::nullopt : std::optional(found->second);
    };
    EXPECT_EQ(chooseDarkVariant(environmentOf(row().environment), portal), row().expected);
    EXPECT_EQ(asked, row().asks);
}

const Variables kGnomeSession{{"XDG_CURRENT_DESKTOP", "GNOME"}};
const std::string kScheme = "org.freedesktop.appearance color-scheme";
const std::string kGtkTheme = "org.gnome.desktop.interface gtk-theme";
const Variables kDarkStyle{{kScheme, "1"}, {kGtkTheme, "Yaru"}};

const DarkRow kDarkRows[] = {
    DarkRow{{"DarkStyle"}, kGnomeSession, kDarkStyle, Setting{"GTK_THEME", "Yaru:dark"}},
    DarkRow{
        {"NoThemeNamed"}, kGnomeSession, {{kScheme, "1"}}, Setting{"GTK_THEME", "Adwaita:dark"}},
    DarkRow{{"ThemeAlreadyDark"},
            kGnomeSession,
            {{kScheme, "1"}, {kGtkTheme, "Adwaita-dark"}},
            std::nullopt},
    DarkRow{
        {"DefaultStyle"}, kGnomeSession, {{kScheme, "0"}, {kGtkTheme, "Adwaita"}}, std::nullopt},
    DarkRow{{"NoPortal"}, kGnomeSession, {}, std::nullopt},
    DarkRow{{"UserNamedGtkTheme"},
            with(kGnomeSession, "GTK_THEME", "HighContrast"),
            kDarkStyle,
            std::nullopt,
            false},
    DarkRow{{"Plasma"}, {{"XDG_CURRENT_DESKTOP", "KDE"}}, kDarkStyle, std::nullopt, false},
};

QUENNARIX_TABLE(DarkVariant, kDarkRows);

#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
const std::set<std::string> kXWaylandSocket{"/tmp/.X11-unix/X1"};

struct ChoiceRow : testing::NamedRow
{
    Variables environment;
    std::optional<bool> compositorDraws; // nullopt: no compositor answers
    std::optional<Setting> expected;
    bool asks = true; // whether the compositor is asked at all
};

using FrameChoice = testing::Table<ChoiceRow>;

TEST_P(FrameChoice, SetsWhatTheSessionNeeds)
{
    const auto socketExists = [](const std::string &path) {
        return kXWaylandSocket.count(path) > 0;
    };
    bool asked = false;
    const auto result = chooseFrame(environmentOf(row().environment), socketExists, [&] {
        asked = true;
        return row().compositorDraws;
    });
    EXPECT_EQ(result, row().expected);
    EXPECT_EQ(asked, row().asks);
}

const Setting kNoQtFrame{"QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"};
const Setting kOnX11{"QT_QPA_PLATFORM", "xcb"};
const Variables kGnome{
    {"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "GNOME"}, {"DISPLAY", ":1"}};

const ChoiceRow kChoices[] = {
    ChoiceRow{{"CompositorDrawsFrames"}, kGnome, true, kNoQtFrame},
    ChoiceRow{{"GnomeWithXWayland"}, kGnome, false, kOnX11},
    ChoiceRow{{"XWaylandOnScreenZero"}, with(kGnome, "DISPLAY", ":1.0"), false, kOnX11},
    ChoiceRow{{"NoDisplayStaysOnWayland"}, {{"XDG_SESSION_TYPE", "wayland"}}, false, std::nullopt},
    ChoiceRow{{"DisplayWithoutItsSocket"}, with(kGnome, "DISPLAY", ":2"), false, std::nullopt},
    ChoiceRow{{"DisplayOnAnotherHost"}, with(kGnome, "DISPLAY", "host:1"), false, std::nullopt},
    ChoiceRow{{"DisplayWithoutNumber"}, with(kGnome, "DISPLAY", ":"), false, std::nullopt},
    ChoiceRow{{"UserNamedWaylandKeepsIt"},
              with(kGnome, "QT_QPA_PLATFORM", "wayland"),
              false,
              std::nullopt},
    ChoiceRow{{"UserNamedWaylandStillSparedQtsFrame"},
              with(kGnome, "QT_QPA_PLATFORM", "wayland"),
              true,
              kNoQtFrame},
    ChoiceRow{{"NoCompositorAnswers"}, kGnome, std::nullopt, std::nullopt},
    ChoiceRow{{"UserNamedX11"}, with(kGnome, "QT_QPA_PLATFORM", "xcb"), false, std::nullopt, false},
    ChoiceRow{{"X11Session"}, with(kGnome, "XDG_SESSION_TYPE", "x11"), false, std::nullopt, false},
    ChoiceRow{{"NoSessionType"}, {{"DISPLAY", ":1"}}, false, std::nullopt, false},
    ChoiceRow{{"UserDisabledQtsFrame"},
              with(kGnome, "QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"),
              false,
              std::nullopt,
              false},
    ChoiceRow{{"UserChoseADecoration"},
              with(kGnome, "QT_WAYLAND_DECORATION", "bradient"),
              false,
              std::nullopt,
              false},
    ChoiceRow{{"UserChoseAShell"},
              with(kGnome, "QT_WAYLAND_SHELL_INTEGRATION", "xdg-shell"),
              false,
              std::nullopt,
              false},
    ChoiceRow{{"UserChoseABufferIntegration"},
              with(kGnome, "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "wayland-egl"),
              false,
              std::nullopt,
              false},
};

QUENNARIX_TABLE(FrameChoice, kChoices);
#endif

} // namespace
} // namespace quennarix::qt
