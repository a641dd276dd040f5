#include "conversion/hex_to_time.hpp"
#include "conversion/messages.hpp"
#include "conversion/time_to_hex.hpp"
#include "conversion_row.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quennarix::conversion {
namespace {

using Row = testing::ConversionRow;
using HexToTime = testing::ConversionTable<ConvertHexToTime>;
using TimeToHex = testing::ConversionTable<ConvertTimeToHex>;

std::string Text(std::u16string_view text)
{
    return testing::TextOutcome(text);
}

std::string Message(std::u16string_view text)
{
    return testing::MessageOutcome(text);
}

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

std::u16string Repeat(std::u16string_view piece, std::size_t characters)
{
    std::u16string out;
    while (out.size() < characters)
        out.append(piece);
    return out;
}

TEST_P(HexToTime, Gives)
{
    EXPECT_EQ(outcomeOf(GetParam().input), GetParam().expected);
}

TEST_P(TimeToHex, Gives)
{
    EXPECT_EQ(outcomeOf(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HexToTime,
    ::testing::Values(Row{{"NinetySeconds"}, u"5A", Text(u"01:30")},
                      Row{{"LowerCaseDigits"}, u"5a", Text(u"01:30")},
                      Row{{"MixedCaseDigits"}, u"aBcD", Text(u"733:01")},
                      Row{{"Zero"}, u"0", Text(u"00:00")},
                      Row{{"LastSecondOfFirstMinute"}, u"3B", Text(u"00:59")},
                      Row{{"OneMinute"}, u"3C", Text(u"01:00")},
                      Row{{"LastTwoDigitMinutes"}, u"176F", Text(u"99:59")},
                      Row{{"MinutesGrowPastTwoDigits"}, u"1770", Text(u"100:00")},
                      Row{{"Largest16BitSigned"}, u"7FFF", Text(u"546:07")},
                      Row{{"UnsignedReadingPast7FFF"}, u"8000", Text(u"546:08")},
                      Row{{"UnsignedReadingOfFFFF"}, u"FFFF", Text(u"1092:15")},
                      Row{{"FourDigitsAsWritten"}, u"005A", Text(u"01:30")},
                      Row{{"LeadingZeros"}, u"0000005A", Text(u"01:30")},
                      Row{{"SurroundingSpaces"}, u" 5A ", Text(u"01:30")},
                      Row{{"ManySurroundingSpaces"}, u"   5A   ", Text(u"01:30")}),
    testing::RowName());

const std::string kInvalidHex = Message(messages::kEnterValidHexValue);

INSTANTIATE_TEST_SUITE_P(
    Messages, HexToTime,
    ::testing::Values(
        Row{{"EmptyBox"}, u"", Message(messages::kEnterHexValue)},
        Row{{"NotHexDigits"}, u"XYZ", kInvalidHex}, Row{{"CPrefix"}, u"0x1A", kInvalidHex},
        Row{{"BasicPrefixTypedByUser"}, u"&H1A", kInvalidHex},
        Row{{"MinusSign"}, u"-5", kInvalidHex}, Row{{"PlusSign"}, u"+5", kInvalidHex},
        Row{{"SpaceInsideDigits"}, u"1 A", kInvalidHex}, Row{{"OneSpace"}, u" ", kInvalidHex},
        Row{{"SpacesOnly"}, u"    ", kInvalidHex}, Row{{"TabBeforeDigits"}, u"\t5A", kInvalidHex},
        Row{{"OnePastFFFF"}, u"10000", kInvalidHex},
        Row{{"EightDigitsAllF"}, u"FFFFFFFF", kInvalidHex},
        Row{{"SixteenDigits"}, u"FFFFFFFFFFFFFFFF", kInvalidHex},
        Row{{"TimeTypedInHexBox"}, u"01:30", kInvalidHex},
        Row{{"LetterPastF"}, u"5G", kInvalidHex}),
    testing::RowName());

// Texts nobody should type, but anybody can paste.
INSTANTIATE_TEST_SUITE_P(
    Hostile, HexToTime,
    ::testing::Values(
        Row{{"MebibyteOfGarbage"}, Repeat(u"Zq!", kMebibyte), kInvalidHex},
        Row{{"MebibyteOfF"}, Repeat(u"F", kMebibyte), kInvalidHex},
        Row{{"MebibyteOfZerosThenDigits"}, Repeat(u"0", kMebibyte) + u"5A", Text(u"01:30")},
        Row{{"MebibyteOfSpacesAroundDigits"},
            Repeat(u" ", kMebibyte) + u"5A" + Repeat(u" ", kMebibyte),
            Text(u"01:30")},
        Row{{"ColonsOnly"}, u":::", kInvalidHex},
        Row{{"PairedSurrogates"}, u"\U0001F600", kInvalidHex},
        Row{{"UnpairedHighSurrogate"}, std::u16string(1, u'\xD800'), kInvalidHex},
        Row{{"UnpairedLowSurrogateAfterDigits"}, u"5A" + std::u16string(1, u'\xDC00'), kInvalidHex},
        Row{{"ArabicIndicDigits"}, u"\u0665\u0660", kInvalidHex},
        Row{{"FullwidthDigits"}, u"\uFF15\uFF21", kInvalidHex},
        Row{{"NulAfterDigits"}, std::u16string(u"5A\0", 3), kInvalidHex},
        Row{{"NulOnly"}, std::u16string(1, u'\0'), kInvalidHex}),
    testing::RowName());

INSTANTIATE_TEST_SUITE_P(
    Answers, TimeToHex,
    ::testing::Values(Row{{"TwoDigitMinutes"}, u"01:30", Text(u"005A")},
                      Row{{"OneDigitMinutes"}, u"1:30", Text(u"005A")},
                      Row{{"ZeroTime"}, u"0:0", Text(u"0000")},
                      Row{{"LastTwoDigitMinutes"}, u"99:59", Text(u"176F")},
                      Row{{"Largest16BitSigned"}, u"546:07", Text(u"7FFF")},
                      Row{{"LargestTotal"}, u"1092:15", Text(u"FFFF")},
                      Row{{"SecondsPastSixty"}, u"1:75", Text(u"0087")},
                      Row{{"AnHourOfSeconds"}, u"0:3600", Text(u"0E10")},
                      Row{{"NegativeMinutesWithPositiveTotal"}, u"-1:90", Text(u"001E")},
                      Row{{"MinusZeroMinutes"}, u"-0:05", Text(u"0005")},
                      Row{{"SpacesAroundParts"}, u" 1 : 30 ", Text(u"005A")},
                      Row{{"PlusSigns"}, u"+1:+30", Text(u"005A")},
                      Row{{"LeadingZeros"}, u"0001:0030", Text(u"005A")},
                      Row{{"UpperCaseLetters"}, u"0:171", Text(u"00AB")}),
    testing::RowName());

const std::string kInvalidTime = Message(messages::kEnterValidTimeValue);

INSTANTIATE_TEST_SUITE_P(
    Messages, TimeToHex,
    ::testing::Values(
        Row{{"EmptyBox"}, u"", Message(messages::kEnterTimeValue)},
        Row{{"NoColon"}, u"130", kInvalidTime}, Row{{"EmptyMinutes"}, u":30", kInvalidTime},
        Row{{"EmptySeconds"}, u"5:", kInvalidTime}, Row{{"ColonOnly"}, u":", kInvalidTime},
        Row{{"Letters"}, u"a:b", kInvalidTime}, Row{{"Fraction"}, u"1.5:00", kInvalidTime},
        Row{{"Exponent"}, u"1E1:00", kInvalidTime},
        Row{{"BasicHexPrefix"}, u"&H1:00", kInvalidTime},
        Row{{"CHexPrefix"}, u"0x1:00", kInvalidTime}, Row{{"SecondColon"}, u"1:2:3", kInvalidTime},
        Row{{"SignWithoutDigits"}, u"-:5", kInvalidTime},
        Row{{"SpaceInsideNumber"}, u"1 0:00", kInvalidTime},
        Row{{"TabBeforeMinutes"}, u"\t1:30", kInvalidTime},
        Row{{"MinutesBeyond32Bit"}, u"2147483648:0", kInvalidTime},
        Row{{"ProductOverflows"}, u"35791395:0", kInvalidTime},
        Row{{"SumOverflows"}, u"35791394:8", kInvalidTime},
        Row{{"ProductWouldWrapIntoRange"}, u"71582789:0", kInvalidTime},
        Row{{"SumWouldWrapIntoRange"}, u"-35791394:-2147483648", kInvalidTime},
        Row{{"SecondsBeyond32Bit"}, u"0:2147483648", kInvalidTime},
        Row{{"NegativeTotal"}, u"0:-1", kInvalidTime},
        Row{{"NegativeMinutesOutweighSeconds"}, u"-2:90", kInvalidTime},
        Row{{"OnePastFFFF"}, u"1092:16", kInvalidTime}),
    testing::RowName());

INSTANTIATE_TEST_SUITE_P(
    Hostile, TimeToHex,
    ::testing::Values(
        Row{{"MebibyteOfGarbage"}, Repeat(u"Zq!", kMebibyte), kInvalidTime},
        Row{{"MebibyteOfColons"}, Repeat(u":", kMebibyte), kInvalidTime},
        Row{{"MebibyteOfDigitsInMinutes"}, Repeat(u"9", kMebibyte) + u":00", kInvalidTime},
        Row{{"MebibyteOfZerosInBothParts"},
            Repeat(u"0", kMebibyte) + u"1:" + Repeat(u"0", kMebibyte) + u"30",
            Text(u"005A")},
        Row{{"ColonsOnly"}, u":::", kInvalidTime},
        Row{{"PairedSurrogates"}, u"1:\U0001F600", kInvalidTime},
        Row{{"UnpairedHighSurrogate"}, u"1:" + std::u16string(1, u'\xD800'), kInvalidTime},
        Row{{"ArabicIndicDigits"}, u"\u0661:\u0663\u0660", kInvalidTime},
        Row{{"FullwidthColon"}, u"1\uFF1A30", kInvalidTime},
        Row{{"NulInSeconds"}, std::u16string(u"1:3\0", 4), kInvalidTime},
        Row{{"NulBeforeColon"}, std::u16string(u"\0:30", 4), kInvalidTime}),
    testing::RowName());

} // namespace
} // namespace quennarix::conversion
