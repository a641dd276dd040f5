#include "conversion/messages.hpp"
#include "conversion/time_to_hex.hpp"
#include "conversion_row.hpp"
#include "outcome_text.hpp"
#include "row_name.hpp"

#include <gtest/gtest.h>

namespace quennarix::conversion {
namespace {

using testing::Describe;
using testing::MessageOutcome;
using testing::TextOutcome;
using Row = testing::ConversionRow;

class TimeToHexAnswers : public ::testing::TestWithParam<Row>
{
};

TEST_P(TimeToHexAnswers, GivesHex)
{
    EXPECT_EQ(Describe(ConvertTimeToHex(GetParam().input)), TextOutcome(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TimeToHexAnswers,
    ::testing::Values(
        Row{"TwoDigitMinutes", u"01:30", u"005A"}, Row{"OneDigitMinutes", u"1:30", u"005A"},
        Row{"ZeroTime", u"0:0", u"0000"}, Row{"LastTwoDigitMinutes", u"99:59", u"176F"},
        Row{"Largest16BitSigned", u"546:07", u"7FFF"}, Row{"LargestTotal", u"1092:15", u"FFFF"},
        Row{"SecondsPastSixty", u"1:75", u"0087"}, Row{"AnHourOfSeconds", u"0:3600", u"0E10"},
        Row{"NegativeMinutesWithPositiveTotal", u"-1:90", u"001E"},
        Row{"MinusZeroMinutes", u"-0:05", u"0005"}, Row{"SpacesAroundParts", u" 1 : 30 ", u"005A"},
        Row{"PlusSigns", u"+1:+30", u"005A"}, Row{"LeadingZeros", u"0001:0030", u"005A"},
        Row{"UpperCaseLetters", u"0:171", u"00AB"}),
    testing::RowName());

class TimeToHexMessages : public ::testing::TestWithParam<Row>
{
};

TEST_P(TimeToHexMessages, GivesMessage)
{
    EXPECT_EQ(Describe(ConvertTimeToHex(GetParam().input)), MessageOutcome(GetParam().expected));
}

constexpr auto kInvalid = messages::kEnterValidTimeValue;

INSTANTIATE_TEST_SUITE_P(
    Table, TimeToHexMessages,
    ::testing::Values(
        Row{"EmptyBox", u"", messages::kEnterTimeValue}, Row{"NoColon", u"130", kInvalid},
        Row{"EmptyMinutes", u":30", kInvalid}, Row{"EmptySeconds", u"5:", kInvalid},
        Row{"ColonOnly", u":", kInvalid}, Row{"Letters", u"a:b", kInvalid},
        Row{"Fraction", u"1.5:00", kInvalid}, Row{"Exponent", u"1E1:00", kInvalid},
        Row{"BasicHexPrefix", u"&H1:00", kInvalid}, Row{"CHexPrefix", u"0x1:00", kInvalid},
        Row{"SecondColon", u"1:2:3", kInvalid}, Row{"SignWithoutDigits", u"-:5", kInvalid},
        Row{"SpaceInsideNumber", u"1 0:00", kInvalid}, Row{"TabBeforeMinutes", u"\t1:30", kInvalid},
        Row{"MinutesBeyond32Bit", u"2147483648:0", kInvalid},
        Row{"ProductOverflows", u"35791395:0", kInvalid},
        Row{"SumOverflows", u"35791394:8", kInvalid},
        Row{"ProductWouldWrapIntoRange", u"71582789:0", kInvalid},
        Row{"SumWouldWrapIntoRange", u"-35791394:-2147483648", kInvalid},
        Row{"SecondsBeyond32Bit", u"0:2147483648", kInvalid},
        Row{"NegativeTotal", u"0:-1", kInvalid},
        Row{"NegativeMinutesOutweighSeconds", u"-2:90", kInvalid},
        Row{"OnePastFFFF", u"1092:16", kInvalid}),
    testing::RowName());

} // namespace
} // namespace quennarix::conversion
