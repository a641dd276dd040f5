#include "runtime/errors.hpp"
#include "runtime/number.hpp"
#include "table.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace quennarix::runtime {
namespace {

// Each row runs one operation and says how it ended: its value, or the error it threw.
struct Row : testing::NamedRow
{
    std::function<std::string()> run;
    std::string expected;
};

template <class Operation> std::function<std::string()> Outcome(Operation operation)
{
    return [operation] {
        try {
            return "value " + std::to_string(operation());
        } catch (const OverflowError &) {
            return std::string("overflow");
        } catch (const TypeMismatchError &) {
            return std::string("type mismatch");
        }
    };
}

std::function<std::string()> ReadInt(std::u16string_view text)
{
    return Outcome([text] { return toInt32(text); });
}

std::function<std::string()> ReadHex(std::u16string_view text)
{
    return Outcome([text] { return toInt32(readHexNumeral(text)); });
}

using NumberOperations = testing::Table<Row>;

TEST_P(NumberOperations, EndAsExpected)
{
    EXPECT_EQ(row().run(), row().expected);
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

const Row kOperations[] = {
    Row{{"TextLargest"}, ReadInt(u"2147483647"), "value 2147483647"},
    Row{{"TextSmallest"}, ReadInt(u"-2147483648"), "value -2147483648"},
    Row{{"TextOnePastLargest"}, ReadInt(u"2147483648"), "overflow"},
    Row{{"TextOnePastSmallest"}, ReadInt(u"-2147483649"), "overflow"},
    Row{{"TextHugeMagnitude"}, ReadInt(u"99999999999999999999999"), "overflow"},
    Row{{"TextSpacesAndSign"}, ReadInt(u"  +42  "), "value 42"},
    Row{{"TextEmpty"}, ReadInt(u""), "type mismatch"},
    Row{{"TextSignOnly"}, ReadInt(u"-"), "type mismatch"},
    Row{{"TextSpaceAfterSign"}, ReadInt(u"- 1"), "type mismatch"},
    Row{{"TextTwoSigns"}, ReadInt(u"--1"), "type mismatch"},
    Row{{"TextTrailingLetter"}, ReadInt(u"12a"), "type mismatch"},
    Row{{"TextOverflowWithLetter"}, ReadInt(u"99999999999x"), "type mismatch"},
    Row{{"NumberRoundsHalfToEven"}, Outcome([] { return toInt32(2.5); }), "value 2"},
    Row{{"NumberRoundsOtherHalfToEven"}, Outcome([] { return toInt32(-3.5); }), "value -4"},
    Row{{"NumberLargest"}, Outcome([] { return toInt32(2147483647.0); }), "value 2147483647"},
    Row{{"NumberOnePastLargest"}, Outcome([] { return toInt32(2147483648.0); }), "overflow"},
    Row{{"NumberOnePastSmallest"}, Outcome([] { return toInt32(-2147483649.0); }), "overflow"},
    Row{{"NumberNaN"}, Outcome([] { return toInt32(std::nan("")); }), "overflow"},
    Row{{"Unsigned16Largest"}, Outcome([] { return toUnsigned16(65535); }), "value 65535"},
    Row{{"Unsigned16OnePast"}, Outcome([] { return toUnsigned16(65536); }), "overflow"},
    Row{{"Unsigned16Negative"}, Outcome([] { return toUnsigned16(-1); }), "overflow"},
    Row{{"MultiplyLargest"},
        Outcome([] { return multiplyChecked(35791394, 60); }),
        "value 2147483640"},
    Row{{"MultiplyOnePast"}, Outcome([] { return multiplyChecked(35791395, 60); }), "overflow"},
    Row{{"MultiplyNegativeEdge"},
        Outcome([] { return multiplyChecked(kMin, 1); }),
        "value -2147483648"},
    Row{{"MultiplyNegatesSmallest"}, Outcome([] { return multiplyChecked(kMin, -1); }), "overflow"},
    Row{{"AddToLargest"}, Outcome([] { return addChecked(kMax - 1, 1); }), "value 2147483647"},
    Row{{"AddOnePastLargest"}, Outcome([] { return addChecked(kMax, 1); }), "overflow"},
    Row{{"AddOnePastSmallest"}, Outcome([] { return addChecked(kMin, -1); }), "overflow"},
    Row{{"HexUpperCase"}, ReadHex(u"&H5A"), "value 90"},
    Row{{"HexLowerCasePrefixAndDigits"}, ReadHex(u"&hff"), "value 255"},
    Row{{"HexSpacesAfterPrefixAndDigits"}, ReadHex(u"&H 5A "), "value 90"},
    Row{{"HexLargest32Bit"}, ReadHex(u"&H7FFFFFFF"), "value 2147483647"},
    Row{{"HexPast32Bit"}, ReadHex(u"&H80000000"), "overflow"},
    Row{{"HexPastSixtyFourBits"}, ReadHex(u"&H10000000000000000"), "overflow"},
    Row{{"HexNoPrefix"}, ReadHex(u"5A"), "type mismatch"},
    Row{{"HexPrefixOnly"}, ReadHex(u"&H"), "type mismatch"},
    Row{{"HexSpaceBeforePrefix"}, ReadHex(u" &H5A"), "type mismatch"},
    Row{{"HexNotADigit"}, ReadHex(u"&H5G"), "type mismatch"},
};

QUENNARIX_TABLE(NumberOperations, kOperations);

struct TextRow : testing::NamedRow
{
    std::u16string actual;
    std::u16string_view expected;
};

using NumberTexts = testing::Table<TextRow>;

TEST_P(NumberTexts, AreWrittenAsExpected)
{
    EXPECT_EQ(row().actual, row().expected);
}

const TextRow kTexts[] = {
    TextRow{{"DecimalZero"}, decimalText(0), u"0"},
    TextRow{{"DecimalNegative"}, decimalText(-1), u"-1"},
    TextRow{{"DecimalLargest"}, decimalText(kMax), u"2147483647"},
    TextRow{{"DecimalSmallest"}, decimalText(kMin), u"-2147483648"},
    TextRow{{"HexZero"}, upperHexText(0), u"0"},
    TextRow{{"HexNoLeadingZeros"}, upperHexText(90), u"5A"},
    TextRow{{"HexUpperCase"}, upperHexText(0xabcd), u"ABCD"},
    TextRow{{"HexNegativeIsTwosComplement"}, upperHexText(-1), u"FFFFFFFF"},
    TextRow{{"HexSmallest"}, upperHexText(kMin), u"80000000"},
};

QUENNARIX_TABLE(NumberTexts, kTexts);

} // namespace
} // namespace quennarix::runtime
