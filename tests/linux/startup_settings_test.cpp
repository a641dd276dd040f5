#include "linux/start_messages.hpp"
#include "linux/startup_settings.hpp"
#include "table.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace quennarix::desktop {

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

constexpr QtVersion kQt64{6, 4};
constexpr QtVersion kQt68{6, 8};
const std::set<std::string> kGnomeAsked{"gnome"};
const std::set<std::string> kAsked{"compositor"};
const std::set<std::string> kBothAsked{"compositor", "gnome"};

struct SettingsRow : testing::NamedRow
{
    Variables environment;
    std::vector<Setting> expected;
    std::set<std::string> asks = {}; // of the desktop: "gnome", "compositor"
    Variables gnome = {};            // org.gnome.desktop.interface: key to value
    std::optional<bool> compositorDraws = false;
    QtVersion qt = kQt68;
};

using StartupSettings = testing::Table<SettingsRow>;

// A row for a Qt before 6.8, whose Wayland frame the program chooses.
SettingsRow beforeQt68(SettingsRow row, std::optional<bool> compositorDraws)
{
    row.compositorDraws = compositorDraws;
    row.qt = kQt64;
    return row;
}

TEST_P(StartupSettings, AreWhatThisDesktopNeeds)
{
    std::set<std::string> asked;
    const DesktopAnswers desktop{
        [&](const char *key) -> std::optional<std::string> {
            asked.insert("gnome");
            const auto found = row().gnome.find(key);
            return found == row().gnome.end() ? std::nullopt : std::optional(found->second);
        },
        [&] {
            asked.insert("compositor");
            return row().compositorDraws;
        },
        [](const std::string &path) { return path == "/tmp/.X11-unix/X1"; }};
    EXPECT_EQ(startupSettings(environmentOf(row().environment), desktop, row().qt), row().expected);
    EXPECT_EQ(asked, row().asks);
}

const Setting kNoGtkGl{"GDK_GL", "disable"};
const Setting kNoWaylandGl{"QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none"};
const Setting kNoX11Gl{"QT_XCB_GL_INTEGRATION", "none"};
const Setting kNoQtFrame{"QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"};
const Setting kOnX11{"QT_QPA_PLATFORM", "xcb"};
const std::vector<Setting> kPlasmaOff{kNoWaylandGl, kNoX11Gl};
const Variables kPlasma{{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "KDE"}};
const Variables kGnome{
    {"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "GNOME"}, {"DISPLAY", ":1"}};
const Variables kDark{{"color-scheme", "prefer-dark"}, {"gtk-theme", "Yaru"}};
const Setting kYaruDark{"GTK_THEME", "Yaru:dark"};

const SettingsRow kSettingsRows[] = {
    // Which theme Qt loads, by Qt's rules.
    {{"PlasmaSession"}, kPlasma, kPlasmaOff},
    {{"KdeInLowerCase"}, with(kPlasma, "XDG_CURRENT_DESKTOP", "kde"), kPlasmaOff},
    {{"KdeAmongDesktops"}, with(kPlasma, "XDG_CURRENT_DESKTOP", "X-Generic:KDE"), kPlasmaOff},
    {{"KdeBeforeGnome"}, with(kPlasma, "XDG_CURRENT_DESKTOP", "KDE:GNOME"), kPlasmaOff, {}, kDark},
    {{"GnomeBeforeKde"},
     with(kPlasma, "XDG_CURRENT_DESKTOP", "GNOME:KDE"),
     {kNoGtkGl},
     kGnomeAsked},
    {{"KdeFullSessionOnly"}, {{"KDE_FULL_SESSION", "true"}}, kPlasmaOff},
    {{"NameOnlyBeginsWithKde"}, with(kPlasma, "XDG_CURRENT_DESKTOP", "KDEish"), {}},
    beforeQt68({{"UserNamedPlasmaThemeElsewhere"},
                with(kGnome, "QT_QPA_PLATFORMTHEME", "kde"),
                {kNoQtFrame, kNoWaylandGl, kNoX11Gl},
                kAsked},
               true),
    {{"UserNamedGtkThemeOnPlasma"},
     with(kPlasma, "QT_QPA_PLATFORMTHEME", "gtk3"),
     {kNoGtkGl, kYaruDark},
     kGnomeAsked,
     kDark},
    {{"UserChoseABufferIntegration"},
     with(kPlasma, "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "wayland-egl"),
     {kNoX11Gl}},
    {{"NoDesktop"}, {}, {}},
    // GNOME's Dark Style, on the GTK desktops.
    {{"DarkStyle"}, kGnome, {kNoGtkGl, kYaruDark}, kGnomeAsked, kDark},
    {{"DarkStyleInCinnamon"},
     {{"XDG_CURRENT_DESKTOP", "X-Cinnamon"}},
     {kNoGtkGl, kYaruDark},
     kGnomeAsked,
     kDark},
    {{"DarkStyleInLowerCase"},
     {{"XDG_CURRENT_DESKTOP", "gnome"}},
     {kNoGtkGl, kYaruDark},
     kGnomeAsked,
     kDark},
    {{"NoThemeNamed"},
     kGnome,
     {kNoGtkGl, {"GTK_THEME", "Adwaita:dark"}},
     kGnomeAsked,
     {{"color-scheme", "prefer-dark"}}},
    {{"ThemeAlreadyDark"},
     kGnome,
     {kNoGtkGl},
     kGnomeAsked,
     {{"color-scheme", "prefer-dark"}, {"gtk-theme", "Adwaita-dark"}}},
    {{"DefaultStyle"}, kGnome, {kNoGtkGl}, kGnomeAsked, {{"color-scheme", "default"}}},
    {{"NoGnomeSettings"}, kGnome, {kNoGtkGl}, kGnomeAsked},
    {{"UserNamedGtkTheme"}, with(kGnome, "GTK_THEME", "HighContrast"), {kNoGtkGl}, {}, kDark},
    {{"UserDisabledGtkGl"}, with(kGnome, "GDK_GL", "always"), {kYaruDark}, kGnomeAsked, kDark},
    // The window's frame on Wayland, before Qt 6.8.
    beforeQt68({{"CompositorDrawsFrames"}, kPlasma, {kNoQtFrame, kNoWaylandGl, kNoX11Gl}, kAsked},
               true),
    beforeQt68({{"GnomeWithXWayland"}, kGnome, {kOnX11, kNoGtkGl}, kBothAsked}, false),
    beforeQt68(
        {{"XWaylandOnScreenZero"}, with(kGnome, "DISPLAY", ":1.0"), {kOnX11, kNoGtkGl}, kBothAsked},
        false),
    beforeQt68({{"NoDisplayStaysOnWayland"}, {{"XDG_SESSION_TYPE", "wayland"}}, {}, kAsked}, false),
    beforeQt68({{"WaylandDisplayWithoutSessionType"},
                {{"WAYLAND_DISPLAY", "wayland-1"}, {"XDG_SESSION_TYPE", "tty"}},
                {kNoQtFrame},
                kAsked},
               true),
    beforeQt68({{"DisplayWithoutItsSocket"}, with(kGnome, "DISPLAY", ":2"), {kNoGtkGl}, kBothAsked},
               false),
    beforeQt68(
        {{"DisplayOnAnotherHost"}, with(kGnome, "DISPLAY", "host:1"), {kNoGtkGl}, kBothAsked},
        false),
    beforeQt68({{"DisplayWithoutNumber"}, with(kGnome, "DISPLAY", ":"), {kNoGtkGl}, kBothAsked},
               false),
    beforeQt68({{"UserNamedWaylandKeepsIt"},
                with(kGnome, "QT_QPA_PLATFORM", "wayland"),
                {kNoGtkGl},
                kBothAsked},
               false),
    beforeQt68({{"UserNamedWaylandStillSparedQtsFrame"},
                with(kGnome, "QT_QPA_PLATFORM", "wayland"),
                {kNoQtFrame, kNoGtkGl},
                kBothAsked},
               true),
    beforeQt68({{"NoCompositorAnswers"}, kGnome, {kNoGtkGl}, kBothAsked}, std::nullopt),
    {{"QtWithItsOwnGlFreeFrame"}, kGnome, {kNoGtkGl}, kGnomeAsked},
    beforeQt68({{"UserNamedX11"}, with(kGnome, "QT_QPA_PLATFORM", "xcb"), {kNoGtkGl}, kGnomeAsked},
               true),
    beforeQt68({{"X11Session"}, with(kGnome, "XDG_SESSION_TYPE", "x11"), {kNoGtkGl}, kGnomeAsked},
               true),
    beforeQt68({{"UserDisabledQtsFrame"},
                with(kGnome, "QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"),
                {kNoGtkGl},
                kGnomeAsked},
               true),
    beforeQt68({{"UserChoseADecoration"},
                with(kGnome, "QT_WAYLAND_DECORATION", "bradient"),
                {kNoGtkGl},
                kGnomeAsked},
               true),
    beforeQt68({{"UserChoseAShell"},
                with(kGnome, "QT_WAYLAND_SHELL_INTEGRATION", "xdg-shell"),
                {kNoGtkGl},
                kGnomeAsked},
               true),
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

struct FailureRow : testing::NamedRow
{
    std::vector<StartMessage> held;
    std::string fatal;
    Variables environment;
    std::string cause;
    std::vector<std::string> passedOn;
};

using FailedStartCause = testing::Table<FailureRow>;

TEST_P(FailedStartCause, IsNamedInOneLine)
{
    const FailedStart failed =
        explainFailedStart(row().held, row().fatal, environmentOf(row().environment));
    EXPECT_EQ(failed.cause, row().cause);
    std::vector<std::string> passedOn;
    for (const StartMessage &message : failed.passOn)
        passedOn.push_back(message.text);
    EXPECT_EQ(passedOn, row().passedOn);
}

const StartMessage kNoXcb{QtWarningMsg, "qt.qpa.plugin",
                          "Could not load the Qt platform plugin \"xcb\" in \"\" even though it "
                          "was found."};
const std::string kAborting =
    "This application failed to start because no Qt platform plugin could be initialized.\n"
    "Available platform plugins are: offscreen, xcb.";
const StartMessage kStray{QtWarningMsg, "default", "QStandardPaths: XDG_RUNTIME_DIR not set"};

const FailureRow kFailureRows[] = {
    {{"NoXServer"},
     {kStray, {QtWarningMsg, "qt.qpa.xcb", "could not connect to display :5"}, kNoXcb},
     kAborting,
     {{"DISPLAY", ":5"}},
     "cannot open the display :5",
     {kStray.text}},
    {{"NoCompositorAtTheDefaultSocket"},
     {{QtWarningMsg, "default", "Failed to create wl_display (No such file or directory)"},
      {QtWarningMsg, "qt.qpa.plugin", "Could not load the Qt platform plugin \"wayland\""}},
     kAborting,
     {},
     "cannot open the Wayland display wayland-0",
     {}},
    {{"PlatformQtLacks"},
     {{QtWarningMsg, "qt.qpa.plugin", "Could not find the Qt platform plugin \"bogus\" in \"\""}},
     kAborting,
     {{"QT_QPA_PLATFORM", "bogus"}},
     "Could not find the Qt platform plugin \"bogus\" in \"\"",
     {}},
    {{"NothingExplains"},
     {kStray},
     kAborting,
     {},
     "This application failed to start because no Qt platform plugin could be initialized.",
     {kStray.text}},
};

QUENNARIX_TABLE(FailedStartCause, kFailureRows);

} // namespace
} // namespace quennarix::desktop
