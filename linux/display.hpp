#pragma once

#include <string>

namespace quennarix::qt {

// An environment variable's value; nullptr when it is unset or empty.
const char *environmentValue(const char *name);

// Empty when the environment names a display (or a platform that needs none);
// otherwise a sentence saying what is missing.
std::string missingDisplay();

// Sentences naming the X or Wayland display that could not be opened.
std::string unreachableX11Display();
std::string unreachableWaylandDisplay();

} // namespace quennarix::qt
