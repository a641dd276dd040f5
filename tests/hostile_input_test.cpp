#include "conversion/hex_to_time.hpp"
#include "conversion/messages.hpp"
#include "conversion/time_to_hex.hpp"
#include "outcome_text.hpp"
#include "row_name.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quennarix::conversion {
namespace {

using testing::Describe;
using testing::MessageOutcome;
using testing::TextOutcome;

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

std::u16string Repeat(std::u16string_view piece, std::size_t characters)
{
    std::u16string out;
    while (out.size() < characters)
        out.append(piece);
    return out;
}

struct Row
{
    std::string name;
    std::u16string input;
    std::string expected;
    friend void PrintTo(const Row &row, std::ostream *out) { *out << row.name; }
};

// Answers for both buttons fed with texts nobody should type, but anybody can paste.
class HexToTimeHostile : public ::testing::TestWithParam<Row>
{
};

TEST_P(HexToTimeHostile, AnswersWithoutThrowing)
{
    std::string outcome;
    ASSERT_NO_THROW(outcome = Describe(ConvertHexToTime(GetParam().input)));
    EXPECT_EQ(outcome, GetParam().expected);
}

const std::string kInvalidHex = MessageOutcome(messages::kEnterValidHexValue);

INSTANTIATE_TEST_SUITE_P(
    Table, HexToTimeHostile,
    ::testing::Values(
        Row{"MebibyteOfGarbage", Repeat(u"Zq!", kMebibyte), kInvalidHex},
        Row{"MebibyteOfF", Repeat(u"F", kMebibyte), kInvalidHex},
        Row{"MebibyteOfZerosThenDigits", Repeat(u"0", kMebibyte) + u"5A", TextOutcome(u"01:30")},
        Row{"MebibyteOfSpacesAroundDigits",
            Repeat(u" ", kMebibyte) + u"5A" + Repeat(u" ", kMebibyte), TextOutcome(u"01:30")},
        Row{"ColonsOnly", u":::", kInvalidHex}, Row{"PairedSurrogates", u"\U0001F600", kInvalidHex},
        Row{"UnpairedHighSurrogate", std::u16string(1, u'\xD800'), kInvalidHex},
        Row{"UnpairedLowSurrogateAfterDigits", u"5A" + std::u16string(1, u'\xDC00'), kInvalidHex},
        Row{"ArabicIndicDigits", u"\u0665\u0660", kInvalidHex},
        Row{"FullwidthDigits", u"\uFF15\uFF21", kInvalidHex},
        Row{"NulAfterDigits", std::u16string(u"5A\0", 3), kInvalidHex},
        Row{"NulOnly", std::u16string(1, u'\0'), kInvalidHex}),
    testing::RowName());

class TimeToHexHostile : public ::testing::TestWithParam<Row>
{
};

TEST_P(TimeToHexHostile, AnswersWithoutThrowing)
{
    std::string outcome;
    ASSERT_NO_THROW(outcome = Describe(ConvertTimeToHex(GetParam().input)));
    EXPECT_EQ(outcome, GetParam().expected);
}

const std::string kInvalidTime = MessageOutcome(messages::kEnterValidTimeValue);

INSTANTIATE_TEST_SUITE_P(
    Table, TimeToHexHostile,
    ::testing::Values(
        Row{"MebibyteOfGarbage", Repeat(u"Zq!", kMebibyte), kInvalidTime},
        Row{"MebibyteOfColons", Repeat(u":", kMebibyte), kInvalidTime},
        Row{"MebibyteOfDigitsInMinutes", Repeat(u"9", kMebibyte) + u":00", kInvalidTime},
        Row{"MebibyteOfZerosInBothParts",
            Repeat(u"0", kMebibyte) + u"1:" + Repeat(u"0", kMebibyte) + u"30",
            TextOutcome(u"005A")},
        Row{"ColonsOnly", u":::", kInvalidTime},
        Row{"PairedSurrogates", u"1:\U0001F600", kInvalidTime},
        Row{"UnpairedHighSurrogate", u"1:" + std::u16string(1, u'\xD800'), kInvalidTime},
        Row{"ArabicIndicDigits", u"\u0661:\u0663\u0660", kInvalidTime},
        Row{"FullwidthColon", u"1\uFF1A30", kInvalidTime},
        Row{"NulInSeconds", std::u16string(u"1:3\0", 4), kInvalidTime},
        Row{"NulBeforeColon", std::u16string(u"\0:30", 4), kInvalidTime}),
    testing::RowName());

} // namespace
} // namespace quennarix::conversion
