#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number operations. Each throws OverflowError or TypeMismatchError
// (runtime/errors.hpp) instead of giving a value it cannot stand behind.
namespace quennarix::runtime {

// "&H" (or "&h") followed by hexadecimal digits, read as a non-negative number.
// Spaces may follow the prefix and the digits, because the prefix is put in
// front of whatever was typed. TypeMismatchError for anything else.
double readHexNumeral(std::u16string_view text);

// Optional spaces, an optional "+" or "-", decimal digits, optional spaces.
// TypeMismatchError for anything else, OverflowError outside the 32-bit range.
std::int32_t toInt32(std::u16string_view text);

// Rounds half to even; OverflowError outside the 32-bit range or for NaN.
std::int32_t toInt32(double number);

// OverflowError outside 0 to 65535.
std::uint16_t toUnsigned16(std::int32_t number);

// OverflowError when the result leaves the 32-bit range.
std::int32_t multiplyChecked(std::int32_t left, std::int32_t right);
std::int32_t addChecked(std::int32_t left, std::int32_t right);

double floorOf(double number);

// A leading "-" for negatives, no other sign.
std::u16string decimalText(std::int32_t number);

// Upper case, no leading zeros; negatives in eight-digit two's complement.
std::u16string upperHexText(std::int32_t number);

} // namespace quennarix::runtime
