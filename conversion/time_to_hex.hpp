#pragma once

#include "conversion/conversion_outcome.hpp"

#include <string_view>

namespace quennarix::conversion {

// The ">" button: "minutes:seconds" to four upper-case hexadecimal digits.
ConversionOutcome ConvertTimeToHex(std::u16string_view timeText);

} // namespace quennarix::conversion
