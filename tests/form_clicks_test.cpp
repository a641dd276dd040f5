#include "form/clicks.hpp"
#include "form/view.hpp"
#include "row.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quennarix::form {
namespace {

// Two boxes, and a record of every edit and message the form asked for.
class FakeView final : public View
{
public:
    std::u16string textOf(ControlId box) const override { return boxes.at(key(box)); }
    void replaceText(ControlId box, std::u16string_view text) override
    {
        edits.push_back(box);
        boxes.at(key(box)) = text;
    }
    void showMessage(std::u16string_view message) override { messages.emplace_back(message); }

    static std::size_t key(ControlId box) { return box == ControlId::Text1 ? 0 : 1; }

    std::array<std::u16string, 2> boxes;
    std::vector<ControlId> edits;
    std::vector<std::u16string> messages;
};

struct ClickRow : testing::NamedRow
{
    ControlId control;
    std::u16string_view text1;
    std::u16string_view text2;
    std::u16string_view text1After;
    std::u16string_view text2After;
    std::u16string_view message; // empty: none
};

class FormClicks : public ::testing::TestWithParam<ClickRow>
{
};

TEST_P(FormClicks, WriteTheOtherBoxOrShowOneMessage)
{
    const ClickRow &row = GetParam();
    FakeView view;
    view.boxes = {std::u16string(row.text1), std::u16string(row.text2)};
    const bool isArrow = row.control == ControlId::Command1 || row.control == ControlId::Command2;

    EXPECT_EQ(click(row.control, view), isArrow);
    EXPECT_EQ(view.boxes[0], row.text1After);
    EXPECT_EQ(view.boxes[1], row.text2After);
    if (row.message.empty()) {
        EXPECT_TRUE(view.messages.empty());
    } else {
        EXPECT_EQ(view.messages, std::vector<std::u16string>{std::u16string(row.message)});
        EXPECT_TRUE(view.edits.empty()) << "a message leaves both boxes as they were";
    }
    // Only the box the arrow points to is edited, once.
    if (isArrow && row.message.empty()) {
        const ControlId target =
            row.control == ControlId::Command1 ? ControlId::Text1 : ControlId::Text2;
        EXPECT_EQ(view.edits, std::vector<ControlId>{target});
    }
}

using enum ControlId;
INSTANTIATE_TEST_SUITE_P(
    Table, FormClicks,
    ::testing::Values(
        ClickRow{{"LessThanReadsHexWritesTime"}, Command1, u"12:34", u"5A", u"01:30", u"5A", u""},
        ClickRow{
            {"GreaterThanReadsTimeWritesHex"}, Command2, u"01:30", u"7", u"01:30", u"005A", u""},
        ClickRow{{"SameTextIsStillAnEdit"}, Command2, u"01:30", u"005A", u"01:30", u"005A", u""},
        ClickRow{
            {"EmptyHexBox"}, Command1, u"01:30", u"", u"01:30", u"", u"Please enter hex value"},
        ClickRow{{"EmptyTimeBox"}, Command2, u"", u"5A", u"", u"5A", u"Please enter time value"},
        ClickRow{{"TimeWithoutColon"},
                 Command2,
                 u"130",
                 u"5A",
                 u"130",
                 u"5A",
                 u"Please enter a valid time value"},
        ClickRow{{"ABoxIsNoButton"}, Text1, u"01:30", u"5A", u"01:30", u"5A", u""},
        ClickRow{{"ALabelIsNoButton"}, Label2, u"", u"", u"", u"", u""}),
    testing::RowName());

} // namespace
} // namespace quennarix::form
