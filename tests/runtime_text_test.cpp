#include "row.hpp"
#include "runtime/text.hpp"

#include <gtest/gtest.h>

namespace quennarix::runtime {
namespace {

using quennarix::testing::RowName;

struct FindRow : testing::NamedRow
{
    std::size_t start;
    std::u16string_view text;
    std::u16string_view sought;
    std::size_t expected;
};

class FindFrom : public ::testing::TestWithParam<FindRow>
{
};

TEST_P(FindFrom, GivesOneBasedPosition)
{
    const FindRow &row = GetParam();
    EXPECT_EQ(findFrom(row.start, row.text, row.sought), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FindFrom,
                         ::testing::Values(FindRow{{"FirstCharacterIsOne"}, 1, u":30", u":", 1},
                                           FindRow{{"FirstOfSeveral"}, 1, u"1:2:3", u":", 2},
                                           FindRow{{"StartSkipsEarlierOnes"}, 3, u"1:2:3", u":", 4},
                                           FindRow{{"StartOnTheMatch"}, 2, u"1:2", u":", 2},
                                           FindRow{{"Absent"}, 1, u"130", u":", 0},
                                           FindRow{{"EmptyText"}, 1, u"", u":", 0},
                                           FindRow{{"StartJustPastEnd"}, 4, u"1:2", u":", 0},
                                           FindRow{{"StartFarPastEnd"}, 100, u"1:2", u":", 0},
                                           FindRow{{"StartZeroIsNoPosition"}, 0, u"1:2", u":", 0},
                                           FindRow{{"CaseSensitive"}, 1, u"abc", u"B", 0}),
                         RowName());

struct SliceRow : testing::NamedRow
{
    std::u16string actual;
    std::u16string_view expected;
};

class Slices : public ::testing::TestWithParam<SliceRow>
{
};

TEST_P(Slices, GiveExpectedCharacters)
{
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Slices,
    ::testing::Values(
        SliceRow{{"LeftNone"}, std::u16string(leftOf(u"01:30", 0)), u""},
        SliceRow{{"LeftSome"}, std::u16string(leftOf(u"01:30", 2)), u"01"},
        SliceRow{{"LeftMoreThanThere"}, std::u16string(leftOf(u"01", 5)), u"01"},
        SliceRow{{"MiddleFromFirst"}, std::u16string(middleOf(u"01:30", 1, 2)), u"01"},
        SliceRow{{"MiddleToEnd"}, std::u16string(middleOf(u"01:30", 4, 5)), u"30"},
        SliceRow{{"MiddleFromLast"}, std::u16string(middleOf(u"01:30", 5, 5)), u"0"},
        SliceRow{{"MiddleJustPastEnd"}, std::u16string(middleOf(u"01:", 4, 3)), u""},
        SliceRow{{"MiddleFarPastEnd"}, std::u16string(middleOf(u"01", 50, 3)), u""},
        SliceRow{{"MiddleCountsUtf16Units"}, std::u16string(middleOf(u"\U0001F600x", 3, 1)), u"x"},
        SliceRow{{"JoinKeepsOrder"}, join(u"&H", u"5A"), u"&H5A"},
        SliceRow{{"JoinEmpty"}, join(u"", u""), u""},
        SliceRow{{"NoCopies"}, copiesOf(u'0', 0), u""},
        SliceRow{{"ThreeCopies"}, copiesOf(u'0', 3), u"000"}),
    RowName());

TEST(CompareBinary, IsCaseSensitiveAndSpacesAreNotEmpty)
{
    EXPECT_EQ(compareBinary(u"", u""), 0);
    EXPECT_NE(compareBinary(u" ", u""), 0);
    EXPECT_NE(compareBinary(u"5a", u"5A"), 0);
    EXPECT_NE(compareBinary(std::u16string_view(u"\0", 1), u""), 0);
    EXPECT_LT(compareBinary(u"A", u"a"), 0);
}

TEST(LengthOf, CountsUtf16Units)
{
    EXPECT_EQ(lengthOf(u""), 0U);
    EXPECT_EQ(lengthOf(u"\U0001F600"), 2U);
}

} // namespace
} // namespace quennarix::runtime
