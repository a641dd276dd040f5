#include "runtime/text.hpp"
#include "table.hpp"

namespace quennarix::runtime {
namespace {

using testing::NamedRow;

struct FindRow : NamedRow
{
    std::size_t start;
    std::u16string_view text;
    std::u16string_view sought;
    std::size_t expected;
};

const FindRow kFindRows[] = {
    {{"FirstCharacterIsOne"}, 1, u":30", u":", 1},
    {{"FirstOfSeveral"}, 1, u"1:2:3", u":", 2},
    {{"StartSkipsEarlierOnes"}, 3, u"1:2:3", u":", 4},
    {{"StartOnTheMatch"}, 2, u"1:2", u":", 2},
    {{"Absent"}, 1, u"130", u":", 0},
    {{"EmptyText"}, 1, u"", u":", 0},
    {{"StartJustPastEnd"}, 4, u"1:2", u":", 0},
    {{"StartFarPastEnd"}, 100, u"1:2", u":", 0},
    {{"StartZeroIsNoPosition"}, 0, u"1:2", u":", 0},
    {{"CaseSensitive"}, 1, u"abc", u"B", 0},
};

using FindFrom = testing::Table<FindRow>;

TEST_P(FindFrom, GivesOneBasedPosition)
{
    EXPECT_EQ(findFrom(row().start, row().text, row().sought), row().expected);
}

QUENNARIX_TABLE(FindFrom, kFindRows);

struct MiddleRow : NamedRow
{
    std::u16string_view text;
    std::size_t start;
    std::size_t count;
    std::u16string_view expected;
};

const MiddleRow kMiddleRows[] = {
    {{"FromFirst"}, u"01:30", 1, 2, u"01"}, {{"ToEnd"}, u"01:30", 4, 5, u"30"},
    {{"FromLast"}, u"01:30", 5, 5, u"0"},   {{"JustPastEnd"}, u"01:", 4, 3, u""},
    {{"FarPastEnd"}, u"01", 50, 3, u""},    {{"CountsUtf16Units"}, u"\U0001F600x", 3, 1, u"x"},
};

using MiddleOf = testing::Table<MiddleRow>;

TEST_P(MiddleOf, GivesTheCharactersFromStart)
{
    EXPECT_EQ(middleOf(row().text, row().start, row().count), row().expected);
}

QUENNARIX_TABLE(MiddleOf, kMiddleRows);

} // namespace
} // namespace quennarix::runtime
