#pragma once

#include "linux/setting.hpp"

#include <string_view>
#include <vector>

// Plasma's platform theme before 6.7 creates an OpenGL context as Qt starts,
// in every Qt program it is loaded into, to test whether Qt Quick may use GL
// (plasma-integration 001369e, "qt6: Prevent qtquick settings from creating
// opengl context"). For a window that paints without GL that maps Mesa and
// LLVM for nothing, some 75 MB. With Qt's GL integrations turned off the test
// fails at once and the theme falls back as on a machine without GL; Breeze and
// KDE's colours stay.
namespace quennarix::qt {

// The variables that turn them off, where Qt will load that theme and the
// user has not set them.
std::vector<Setting> skipPlasmaGlTest(const Environment &environment);

// Whether a message Qt or the theme gives while starting says only that the
// GL integrations are off.
bool reportsSkippedGlTest(std::string_view category, std::string_view message);

} // namespace quennarix::qt
