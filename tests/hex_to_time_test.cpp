#include "conversion/hex_to_time.hpp"
#include "conversion/messages.hpp"
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

class HexToTimeAnswers : public ::testing::TestWithParam<Row>
{
};

TEST_P(HexToTimeAnswers, GivesTime)
{
    EXPECT_EQ(Describe(ConvertHexToTime(GetParam().input)), TextOutcome(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Table, HexToTimeAnswers,
                         ::testing::Values(Row{"NinetySeconds", u"5A", u"01:30"},
                                           Row{"LowerCaseDigits", u"5a", u"01:30"},
                                           Row{"MixedCaseDigits", u"aBcD", u"733:01"},
                                           Row{"Zero", u"0", u"00:00"},
                                           Row{"LastSecondOfFirstMinute", u"3B", u"00:59"},
                                           Row{"OneMinute", u"3C", u"01:00"},
                                           Row{"LastTwoDigitMinutes", u"176F", u"99:59"},
                                           Row{"MinutesGrowPastTwoDigits", u"1770", u"100:00"},
                                           Row{"Largest16BitSigned", u"7FFF", u"546:07"},
                                           Row{"UnsignedReadingPast7FFF", u"8000", u"546:08"},
                                           Row{"UnsignedReadingOfFFFF", u"FFFF", u"1092:15"},
                                           Row{"FourDigitsAsWritten", u"005A", u"01:30"},
                                           Row{"LeadingZeros", u"0000005A", u"01:30"},
                                           Row{"SurroundingSpaces", u" 5A ", u"01:30"},
                                           Row{"ManySurroundingSpaces", u"   5A   ", u"01:30"}),
                         testing::RowName());

class HexToTimeMessages : public ::testing::TestWithParam<Row>
{
};

TEST_P(HexToTimeMessages, GivesMessage)
{
    EXPECT_EQ(Describe(ConvertHexToTime(GetParam().input)), MessageOutcome(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, HexToTimeMessages,
    ::testing::Values(Row{"EmptyBox", u"", messages::kEnterHexValue},
                      Row{"NotHexDigits", u"XYZ", messages::kEnterValidHexValue},
                      Row{"CPrefix", u"0x1A", messages::kEnterValidHexValue},
                      Row{"BasicPrefixTypedByUser", u"&H1A", messages::kEnterValidHexValue},
                      Row{"MinusSign", u"-5", messages::kEnterValidHexValue},
                      Row{"PlusSign", u"+5", messages::kEnterValidHexValue},
                      Row{"SpaceInsideDigits", u"1 A", messages::kEnterValidHexValue},
                      Row{"OneSpace", u" ", messages::kEnterValidHexValue},
                      Row{"SpacesOnly", u"    ", messages::kEnterValidHexValue},
                      Row{"TabBeforeDigits", u"\t5A", messages::kEnterValidHexValue},
                      Row{"OnePastFFFF", u"10000", messages::kEnterValidHexValue},
                      Row{"EightDigitsAllF", u"FFFFFFFF", messages::kEnterValidHexValue},
                      Row{"SixteenDigits", u"FFFFFFFFFFFFFFFF", messages::kEnterValidHexValue},
                      Row{"TimeTypedInHexBox", u"01:30", messages::kEnterValidHexValue},
                      Row{"LetterPastF", u"5G", messages::kEnterValidHexValue}),
    testing::RowName());

} // namespace
} // namespace quennarix::conversion
