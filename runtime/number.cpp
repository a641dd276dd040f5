#include "runtime/number.hpp"

#include "runtime/errors.hpp"

#include <cmath>
#include <iterator>
#include <limits>

namespace quennarix::runtime {

namespace {

constexpr auto kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr auto kInt32Max = std::numeric_limits<std::int32_t>::max();

int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::size_t skipSpaces(std::u16string_view text, std::size_t at)
{
    while (at < text.size() && text[at] == u' ')
        ++at;
    return at;
}

std::int32_t checkedNarrow(std::int64_t wide)
{
    if (wide < kInt32Min || wide > kInt32Max)
        throw OverflowError();
    return static_cast<std::int32_t>(wide);
}

} // namespace

double readHexNumeral(std::u16string_view text)
{
    if (text.size() < 2 || text[0] != u'&' || (text[1] != u'H' && text[1] != u'h'))
        throw TypeMismatchError();
    std::size_t at = skipSpaces(text, 2);
    const std::size_t digitsStart = at;
    // Past 2^53 the sum turns inexact, but by then it is far beyond any range it is narrowed to.
    double value = 0;
    for (int digit; at < text.size() && (digit = hexDigitValue(text[at])) >= 0; ++at)
        value = value * 16 + digit;
    if (at == digitsStart || skipSpaces(text, at) != text.size())
        throw TypeMismatchError();
    return value;
}

std::int32_t toInt32(std::u16string_view text)
{
    std::size_t at = skipSpaces(text, 0);
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        ++at;
    const std::size_t digitsStart = at;
    // Saturates just past the widest magnitude so that a megabyte of digits cannot wrap.
    constexpr std::int64_t kPastLimit = std::int64_t{kInt32Max} + 2;
    std::int64_t magnitude = 0;
    for (; at < text.size() && isDecimalDigit(text[at]); ++at) {
        magnitude = magnitude * 10 + (text[at] - u'0');
        if (magnitude > kPastLimit)
            magnitude = kPastLimit;
    }
    if (at == digitsStart || skipSpaces(text, at) != text.size())
        throw TypeMismatchError();
    return checkedNarrow(negative ? -magnitude : magnitude);
}

std::int32_t toInt32(double number)
{
    const double rounded = std::nearbyint(number); // the default rounding mode is half to even
    if (!(rounded >= kInt32Min && rounded <= kInt32Max))
        throw OverflowError();
    return static_cast<std::int32_t>(rounded);
}

std::uint16_t toUnsigned16(std::int32_t number)
{
    if (number < 0 || number > std::numeric_limits<std::uint16_t>::max())
        throw OverflowError();
    return static_cast<std::uint16_t>(number);
}

std::int32_t multiplyChecked(std::int32_t left, std::int32_t right)
{
    return checkedNarrow(std::int64_t{left} * right);
}

std::int32_t addChecked(std::int32_t left, std::int32_t right)
{
    return checkedNarrow(std::int64_t{left} + right);
}

double floorOf(double number)
{
    return std::floor(number);
}

std::u16string decimalText(std::int32_t number)
{
    char16_t digits[11];
    char16_t *first = std::end(digits);
    // Works on the widened magnitude so that the most negative value has one too.
    std::int64_t magnitude = number < 0 ? -std::int64_t{number} : number;
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0)
        *--first = u'-';
    return std::u16string(first, std::end(digits));
}

std::u16string upperHexText(std::int32_t number)
{
    constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    char16_t digits[8];
    char16_t *first = std::end(digits);
    auto bits = static_cast<std::uint32_t>(number);
    do {
        *--first = kDigits[bits % 16];
        bits /= 16;
    } while (bits != 0);
    return std::u16string(first, std::end(digits));
}

} // namespace quennarix::runtime
