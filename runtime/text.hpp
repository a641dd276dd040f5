#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text operations over UTF-16, the encoding QString keeps, so lengths and
// positions count the same characters the window shows. Positions start at 1.
namespace quennarix::runtime {

// Character by character, case-sensitive: negative, zero or positive.
int compareBinary(std::u16string_view left, std::u16string_view right);

std::u16string join(std::u16string_view first, std::u16string_view second);

std::size_t lengthOf(std::u16string_view text);

std::u16string copiesOf(char16_t character, std::size_t count);

// Position of the first `sought` at or after `start`; 0 when there is none.
std::size_t findFrom(std::size_t start, std::u16string_view text, std::u16string_view sought);

// The first `count` characters, or all of them when the text is shorter.
std::u16string_view leftOf(std::u16string_view text, std::size_t count);

// Up to `count` characters from `start`; "" when `start` is past the end.
std::u16string_view middleOf(std::u16string_view text, std::size_t start, std::size_t count);

} // namespace quennarix::runtime
