#pragma once

#include "conversion/conversion_outcome.hpp"

#include <string_view>

namespace quennarix::conversion {

// The "<" button: hexadecimal seconds (0 to FFFF) to "mm:ss".
ConversionOutcome ConvertHexToTime(std::u16string_view hexText);

} // namespace quennarix::conversion
