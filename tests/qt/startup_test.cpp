#include "qt/startup/startup.hpp"
#include "table.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace quennarix::qt::startup {

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

constexpr int kQt64 = QT_VERSION_CHECK(6, 4, 0);
constexpr int kQt68 = QT_VERSION_CHECK(6, 8, 0);

struct SettingsRow : testing::NamedRow
{
    Variables environment;
    std::vector<Setting> expected;
    std::set<std::string> asks = {}; // "gnome", "compositor"
    Variables gnome = {};            // org.gnome.desktop.interface: key to value
    int qt = kQt68;
    std::optional<bool> compositorDraws = std::nullopt;
    bool gtkThemeInstalled = true;
};

using StartupSettings = testing::Table<SettingsRow>;

TEST_P(StartupSettings, AreWhatThisDesktopNeeds)
{
    std::set<std::string> asked;
    const Facts facts{row().qt, row().gtkThemeInstalled,
                      [&](const char *key) -> std::optional<std::string> {
                          asked.insert("gnome");
                          const auto found = row().gnome.find(key);
                          return found == row().gnome.end() ? std::nullopt
                                                            : std::optional(found->second);
                      },
                      [&] {
                          asked.insert("compositor");
                          return row().compositorDraws;
                      },
                      [](const std::string &path) { return path == "/tmp/.X11-unix/X1"; }};
    EXPECT_EQ(startupSettings(environmentOf(row().environment), facts), row().expected);
    EXPECT_EQ(asked, row().asks);
}

const Setting kNoGtkGl{"GDK_GL", "disable"};
const Setting kNoWaylandGl{"QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none"};
const Setting kNoX11Gl{"QT_XCB_GL_INTEGRATION", "none"};
const Setting kNoQtFrame{"QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"};
const Setting kOnX11{"QT_QPA_PLATFORM", "xcb"};
const Setting kYaruDark{"GTK_THEME", "Yaru:dark"};
const std::vector<Setting> kOn68{kNoGtkGl, kNoWaylandGl, kNoX11Gl};
const std::vector<Setting> kOn68Dark{kNoGtkGl, kNoWaylandGl, kNoX11Gl, kYaruDark};
const Variables kGnome{{"XDG_CURRENT_DESKTOP", "GNOME"}, {"DISPLAY", ":1"}};
const Variables kDark{{"color-scheme", "prefer-dark"}, {"gtk-theme", "Yaru"}};
const std::set<std::string> kGnomeAsked{"gnome"};

// A row for a Qt before 6.8, whose Wayland frame the program chooses.
SettingsRow onQt64(SettingsRow row, std::optional<bool> compositorDraws, bool asked = true)
{
    row.qt = kQt64;
    row.compositorDraws = compositorDraws;
    if (asked)
        row.asks.insert("compositor");
    return row;
}

const SettingsRow kSettingsRows[] = {
    {{"NoDesktop"}, {}, kOn68},
    {{"UsersEmptyValueIsTheirs"}, {{"QT_XCB_GL_INTEGRATION", ""}}, {kNoGtkGl, kNoWaylandGl}},
    // GNOME's Dark Style.
    {{"DarkStyle"}, kGnome, kOn68Dark, kGnomeAsked, kDark},
    {{"DarkStyleInLowerCaseAmongOthers"},
     {{"XDG_CURRENT_DESKTOP", "ubuntu:gnome"}},
     kOn68Dark,
     kGnomeAsked,
     kDark},
    {{"NoThemeNamed"},
     kGnome,
     {kNoGtkGl, kNoWaylandGl, kNoX11Gl, {"GTK_THEME", "Adwaita:dark"}},
     kGnomeAsked,
     {{"color-scheme", "prefer-dark"}}},
    {{"ThemeAlreadyDark"},
     kGnome,
     kOn68,
     kGnomeAsked,
     {{"color-scheme", "prefer-dark"}, {"gtk-theme", "Adwaita-dark"}}},
    {{"DefaultStyle"}, kGnome, kOn68, kGnomeAsked, {{"color-scheme", "default"}}},
    {{"NoGnomeSettings"}, kGnome, kOn68, kGnomeAsked},
    {{"NotGnome"}, {{"XDG_CURRENT_DESKTOP", "KDE"}}, kOn68, {}, kDark},
    {{"KdeBeforeGnome"}, {{"XDG_CURRENT_DESKTOP", "KDE:GNOME"}}, kOn68, {}, kDark},
    {{"UserNamedAnotherQtTheme"},
     {{"XDG_CURRENT_DESKTOP", "GNOME"}, {"QT_QPA_PLATFORMTHEME", "kde"}},
     kOn68,
     {},
     kDark},
    {{"UserNamedGtkTheme"},
     {{"XDG_CURRENT_DESKTOP", "GNOME"}, {"GTK_THEME", ""}},
     kOn68,
     {},
     kDark},
    {{"GtkThemeNotInstalled"}, kGnome, kOn68, {}, kDark, kQt68, std::nullopt, false},
    // The window's frame on Wayland, before Qt 6.8.
    onQt64({{"CompositorDrawsFrames"}, {}, {kNoGtkGl, kNoQtFrame}}, true),
    onQt64({{"XWaylandAtHand"}, kGnome, {kNoGtkGl, kOnX11}, kGnomeAsked}, false),
    onQt64({{"XWaylandOnScreenZero"}, {{"DISPLAY", ":1.0"}}, {kNoGtkGl, kOnX11}}, false),
    onQt64({{"DisplayWithoutItsSocket"}, {{"DISPLAY", ":2"}}, {kNoGtkGl}}, false),
    onQt64({{"DisplayOnAnotherHost"}, {{"DISPLAY", "host:1"}}, {kNoGtkGl}}, false),
    onQt64(
        {{"UserNamedAPlatform"}, {{"DISPLAY", ":1"}, {"QT_QPA_PLATFORM", "wayland"}}, {kNoGtkGl}},
        false),
    onQt64({{"UserNamedAPlatformStillSparedQtsFrame"},
            {{"QT_QPA_PLATFORM", "Wayland"}},
            {kNoGtkGl, kNoQtFrame}},
           true),
    onQt64({{"NoCompositorAnswers"}, {{"DISPLAY", ":1"}}, {kNoGtkGl}}, std::nullopt),
    onQt64({{"UserSetAFrameVariableEmpty"}, {{"QT_WAYLAND_DECORATION", ""}}, {kNoGtkGl}}, true,
           false),
};

QUENNARIX_TABLE(StartupSettings, kSettingsRows);

struct ReportRow : testing::NamedRow
{
    std::vector<Setting> made;
    const char *category;
    const char *message;
    bool dropped;
};

using ReportsSetting = testing::Table<ReportRow>;

TEST_P(ReportsSetting, DropsOnlyWhatTheProgramCaused)
{
    EXPECT_EQ(reportsSetting(row().made, row().category, row().message), row().dropped);
}

constexpr const char *kNoBuffers = "Failed to load client buffer integration: \"none\"";
constexpr const char *kNoX11Context =
    "QXcbIntegration: Cannot create platform OpenGL context, neither GLX nor EGL are enabled";
constexpr const char *kQuickFallback = "Warning: fallback to QtQuick software backend.";

const ReportRow kReportRows[] = {
    {{"OurWaylandBuffersOff"}, {kNoWaylandGl}, "qt.qpa.wayland", kNoBuffers, true},
    {{"UsersWaylandBuffersOff"}, {}, "qt.qpa.wayland", kNoBuffers, false},
    {{"OurX11GlOff"}, {kNoX11Gl}, "default", kNoX11Context, true},
    {{"UsersX11GlOff"}, {kNoWaylandGl}, "default", kNoX11Context, false},
    {{"PlasmasFallbackAfterOurs"}, {kNoX11Gl}, "default", kQuickFallback, true},
    {{"PlasmasFallbackOnItsOwn"}, {kNoGtkGl}, "default", kQuickFallback, false},
    {{"AnotherWaylandMessage"},
     {kNoWaylandGl},
     "qt.qpa.wayland",
     "Wayland does not support",
     false},
};

QUENNARIX_TABLE(ReportsSetting, kReportRows);

} // namespace
} // namespace quennarix::qt::startup
