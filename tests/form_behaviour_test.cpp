#include "behaviour.hpp"
#include "form/clicks.hpp"
#include "null_view.hpp"

namespace quennarix::testing {
namespace {

using FormBehaviour = Table<BehaviourRow>;

TEST_P(FormBehaviour, OnTheNullView)
{
    NullView view(row().text1, row().text2);
    form::click(row().control, view);
    EXPECT_EQ(view.boxes[0], row().text1After);
    EXPECT_EQ(view.boxes[1], row().text2After);
    if (row().message.empty()) {
        EXPECT_TRUE(view.messages.empty());
    } else {
        EXPECT_EQ(view.messages, std::vector<std::u16string>{std::u16string(row().message)});
    }
    // An answer is one edit of one box, even when it is the text already there;
    // a message edits nothing.
    EXPECT_EQ(view.edits, row().message.empty() ? 1 : 0);
}

QUENNARIX_TABLE(FormBehaviour, clickRows());

} // namespace
} // namespace quennarix::testing
