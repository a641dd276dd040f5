#include "behaviour.hpp"

#include <algorithm>
#include <iterator>

namespace quennarix::testing {

namespace {

using enum form::ControlId;
using enum Input;

const std::u16string kLongHex = std::u16string(99'998, u'0') + u"5A";

} // namespace

const std::vector<BehaviourRow> &behaviourRows()
{
    // One row a line; the columns are BehaviourRow's.
    // clang-format off
    static const std::vector<BehaviourRow> rows{
        {{"HexToTimeReplacesTheTime"}, Command1, Click, u"12:34", u"5A", u"01:30", u"5A", {}, u"01:30"},
        {{"TimeToHexReplacesTheHex"}, Command2, Click, u"01:30", u"7", u"01:30", u"005A", {}, u"005A"},
        {{"SameAnswerAgain"}, Command2, Click, u"01:30", u"005A", u"01:30", u"005A", {}, u"005A"},
        {{"HundredThousandCharacters"}, Command1, Click, u"", kLongHex, u"01:30", kLongHex, {}, u"01:30"},
        {{"EmptyHexBox"}, Command1, Click, u"01:30", u"", u"01:30", u"", kEnterHexValue},
        {{"HexThatIsNoNumber"}, Command1, Click, u"", u"XYZ", u"", u"XYZ", kEnterValidHexValue},
        {{"EmptyTimeBox"}, Command2, Click, u"", u"5A", u"", u"5A", kEnterTimeValue},
        {{"TimeWithoutColon"}, Command2, Click, u"130", u"", u"130", u"", kEnterValidTimeValue},
        // Neither arrow is the default or the cancel button.
        {{"ReturnInTime"}, Text1, Return, u"01:30", u"5B", u"01:30", u"5B", {}},
        {{"EnterInTime"}, Text1, Enter, u"01:30", u"5B", u"01:30", u"5B", {}},
        {{"EscapeInTime"}, Text1, Escape, u"01:30", u"5B", u"01:30", u"5B", {}},
        {{"ReturnInHex"}, Text2, Return, u"01:30", u"5B", u"01:30", u"5B", {}},
        {{"EnterInHex"}, Text2, Enter, u"01:30", u"5B", u"01:30", u"5B", {}},
        {{"EscapeInHex"}, Text2, Escape, u"01:30", u"5B", u"01:30", u"5B", {}},
    };
    // clang-format on
    return rows;
}

namespace {

std::vector<std::u16string> noneOrOne(std::u16string_view text)
{
    if (text.empty())
        return {};
    return {std::u16string(text)};
}

} // namespace

std::vector<std::u16string> messagesIn(const BehaviourRow &row)
{
    return noneOrOne(row.message);
}

std::vector<std::u16string> spokenIn(const BehaviourRow &row)
{
    return noneOrOne(row.spoken);
}

std::vector<BehaviourRow> clickRows()
{
    std::vector<BehaviourRow> clicks;
    std::ranges::copy_if(behaviourRows(), std::back_inserter(clicks),
                         [](const BehaviourRow &row) { return row.input == Input::Click; });
    return clicks;
}

} // namespace quennarix::testing
