#pragma once

#include <string>

namespace quennarix::runtime {

// Empty when the environment names a display (or a platform that needs none);
// otherwise a sentence saying what is missing.
std::string missingDisplay();

// A sentence naming the display that was named but could not be opened.
std::string unreachableDisplay();

} // namespace quennarix::runtime
