#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"
#include "conversion_table.hpp"
#include "messages.hpp"

// Answers on the 0000 to FFFF grid in canonical form are the round trip's.
namespace quennarix::testing {
namespace {

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

std::u16string Repeat(std::u16string_view piece, std::size_t characters)
{
    std::u16string out;
    while (out.size() < characters)
        out.append(piece);
    return out;
}

const std::u16string kInvalidHex = Message(kEnterValidHexValue);
const std::u16string kInvalidTime = Message(kEnterValidTimeValue);

const ConversionRow kHexToTime[] = {
    {{"NinetySeconds"}, u"5A", Text(u"01:30")},
    {{"LowerCaseDigits"}, u"5a", Text(u"01:30")},
    {{"MixedCaseDigits"}, u"aBcD", Text(u"733:01")},
    {{"Zero"}, u"0", Text(u"00:00")},
    {{"LastSecondOfFirstMinute"}, u"3B", Text(u"00:59")},
    {{"OneMinute"}, u"3C", Text(u"01:00")},
    {{"LeadingZeros"}, u"0000005A", Text(u"01:30")},
    {{"SurroundingSpaces"}, u" 5A ", Text(u"01:30")},
    {{"ManySurroundingSpaces"}, u"   5A   ", Text(u"01:30")},
    {{"EmptyBox"}, u"", Message(kEnterHexValue)},
    {{"NotHexDigits"}, u"XYZ", kInvalidHex},
    {{"CPrefix"}, u"0x1A", kInvalidHex},
    {{"BasicPrefixTypedByUser"}, u"&H1A", kInvalidHex},
    {{"MinusSign"}, u"-5", kInvalidHex},
    {{"PlusSign"}, u"+5", kInvalidHex},
    {{"SpaceInsideDigits"}, u"1 A", kInvalidHex},
    {{"OneSpace"}, u" ", kInvalidHex},
    {{"SpacesOnly"}, u"    ", kInvalidHex},
    {{"TabBeforeDigits"}, u"\t5A", kInvalidHex},
    {{"OnePastFFFF"}, u"10000", kInvalidHex},
    {{"EightDigitsAllF"}, u"FFFFFFFF", kInvalidHex},
    {{"SixteenDigits"}, u"FFFFFFFFFFFFFFFF", kInvalidHex},
    {{"TimeTypedInHexBox"}, u"01:30", kInvalidHex},
    {{"LetterPastF"}, u"5G", kInvalidHex},
    // Texts nobody should type, but anybody can paste.
    {{"MebibyteOfGarbage"}, Repeat(u"Zq!", kMebibyte), kInvalidHex},
    {{"MebibyteOfF"}, Repeat(u"F", kMebibyte), kInvalidHex},
    {{"MebibyteOfZerosThenDigits"}, Repeat(u"0", kMebibyte) + u"5A", Text(u"01:30")},
    {{"MebibyteOfSpacesAroundDigits"},
     Repeat(u" ", kMebibyte) + u"5A" + Repeat(u" ", kMebibyte),
     Text(u"01:30")},
    {{"ColonsOnly"}, u":::", kInvalidHex},
    {{"PairedSurrogates"}, u"\U0001F600", kInvalidHex},
    {{"UnpairedHighSurrogate"}, std::u16string(1, u'\xD800'), kInvalidHex},
    {{"UnpairedLowSurrogateAfterDigits"}, u"5A" + std::u16string(1, u'\xDC00'), kInvalidHex},
    {{"ArabicIndicDigits"}, u"\u0665\u0660", kInvalidHex},
    {{"FullwidthDigits"}, u"\uFF15\uFF21", kInvalidHex},
    {{"NulAfterDigits"}, std::u16string(u"5A\0", 3), kInvalidHex},
    {{"NulOnly"}, std::u16string(1, u'\0'), kInvalidHex},
};

const ConversionRow kTimeToHex[] = {
    {{"OneDigitMinutes"}, u"1:30", Text(u"005A")},
    {{"ZeroTime"}, u"0:0", Text(u"0000")},
    {{"SecondsPastSixty"}, u"1:75", Text(u"0087")},
    {{"AnHourOfSeconds"}, u"0:3600", Text(u"0E10")},
    {{"NegativeMinutesWithPositiveTotal"}, u"-1:90", Text(u"001E")},
    {{"MinusZeroMinutes"}, u"-0:05", Text(u"0005")},
    {{"SpacesAroundParts"}, u" 1 : 30 ", Text(u"005A")},
    {{"PlusSigns"}, u"+1:+30", Text(u"005A")},
    {{"LeadingZeros"}, u"0001:0030", Text(u"005A")},
    {{"UpperCaseLetters"}, u"0:171", Text(u"00AB")},
    {{"EmptyBox"}, u"", Message(kEnterTimeValue)},
    {{"NoColon"}, u"130", kInvalidTime},
    {{"EmptyMinutes"}, u":30", kInvalidTime},
    {{"EmptySeconds"}, u"5:", kInvalidTime},
    {{"ColonOnly"}, u":", kInvalidTime},
    {{"Letters"}, u"a:b", kInvalidTime},
    {{"Fraction"}, u"1.5:00", kInvalidTime},
    {{"Exponent"}, u"1E1:00", kInvalidTime},
    {{"BasicHexPrefix"}, u"&H1:00", kInvalidTime},
    {{"CHexPrefix"}, u"0x1:00", kInvalidTime},
    {{"SecondColon"}, u"1:2:3", kInvalidTime},
    {{"SignWithoutDigits"}, u"-:5", kInvalidTime},
    {{"SpaceInsideNumber"}, u"1 0:00", kInvalidTime},
    {{"TabBeforeMinutes"}, u"\t1:30", kInvalidTime},
    {{"MinutesBeyond32Bit"}, u"2147483648:0", kInvalidTime},
    {{"ProductOverflows"}, u"35791395:0", kInvalidTime},
    {{"SumOverflows"}, u"35791394:8", kInvalidTime},
    {{"ProductWouldWrapIntoRange"}, u"71582789:0", kInvalidTime},
    {{"SumWouldWrapIntoRange"}, u"-35791394:-2147483648", kInvalidTime},
    {{"SecondsBeyond32Bit"}, u"0:2147483648", kInvalidTime},
    {{"NegativeTotal"}, u"0:-1", kInvalidTime},
    {{"NegativeMinutesOutweighSeconds"}, u"-2:90", kInvalidTime},
    {{"OnePastFFFF"}, u"1092:16", kInvalidTime},
    // Texts nobody should type, but anybody can paste.
    {{"MebibyteOfGarbage"}, Repeat(u"Zq!", kMebibyte), kInvalidTime},
    {{"MebibyteOfColons"}, Repeat(u":", kMebibyte), kInvalidTime},
    {{"MebibyteOfDigitsInMinutes"}, Repeat(u"9", kMebibyte) + u":00", kInvalidTime},
    {{"MebibyteOfZerosInBothParts"},
     Repeat(u"0", kMebibyte) + u"1:" + Repeat(u"0", kMebibyte) + u"30",
     Text(u"005A")},
    {{"ColonsOnly"}, u":::", kInvalidTime},
    {{"PairedSurrogates"}, u"1:\U0001F600", kInvalidTime},
    {{"UnpairedHighSurrogate"}, u"1:" + std::u16string(1, u'\xD800'), kInvalidTime},
    {{"ArabicIndicDigits"}, u"\u0661:\u0663\u0660", kInvalidTime},
    {{"FullwidthColon"}, u"1\uFF1A30", kInvalidTime},
    {{"NulInSeconds"}, std::u16string(u"1:3\0", 4), kInvalidTime},
    {{"NulBeforeColon"}, std::u16string(u"\0:30", 4), kInvalidTime},
};

using HexToTime = Table<ConversionRow>;
using TimeToHex = Table<ConversionRow>;

TEST_P(HexToTime, Gives)
{
    EXPECT_EQ(Describe(conversion::ConvertHexToTime(row().input)), row().expected);
}

TEST_P(TimeToHex, Gives)
{
    EXPECT_EQ(Describe(conversion::ConvertTimeToHex(row().input)), row().expected);
}

QUENNARIX_TABLE(HexToTime, kHexToTime);
QUENNARIX_TABLE(TimeToHex, kTimeToHex);

} // namespace
} // namespace quennarix::testing
