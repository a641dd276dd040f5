#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quennarix::conversion {

// `text` with "0" put in front until it is `width` characters long;
// a text of that length or longer comes back unchanged.
std::u16string PadZeros(std::u16string_view text, std::size_t width);

} // namespace quennarix::conversion
