#pragma once

#include <string>

namespace quennarix::runtime {

// Empty when a window can be shown; otherwise a sentence naming what is missing.
std::string missingDisplay();

} // namespace quennarix::runtime
