#pragma once

#include "linux/setting.hpp"

#include <string_view>
#include <vector>

// The desktops' platform themes, which Qt loads into the program, would load GL
// into a window that paints without it: Mesa and LLVM, some 50 to 75 MB.
// - Plasma's theme before 6.7 creates an OpenGL context as Qt starts, to test
//   whether Qt Quick may use GL (plasma-integration 001369e, "qt6: Prevent
//   qtquick settings from creating opengl context"). With Qt's GL integrations
//   off the test fails at once and the theme falls back as on a machine without
//   GL; Breeze and KDE's colours stay.
// - The GTK theme loads GTK, whose X11 backend probes GL for its visuals in the
//   first GTK program on each X server. GTK never draws here.
namespace quennarix::qt {

// The variables that keep GL out, of those the user has not set.
std::vector<Setting> keepThemesOffGl(const Environment &environment);

// Whether a message Qt or a theme gives while starting says only that GL is off.
bool reportsGlOff(std::string_view category, std::string_view message);

} // namespace quennarix::qt
