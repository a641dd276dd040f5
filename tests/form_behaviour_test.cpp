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
    EXPECT_EQ(view.messages, messagesIn(row()));
    // An answer is one edit of one box, even when it is the text already there;
    // a message edits nothing.
    EXPECT_EQ(view.edits, row().message.empty() ? 1 : 0);
    EXPECT_EQ(view.spoken, spokenIn(row()));
}

QUENNARIX_TABLE(FormBehaviour, clickRows());

} // namespace
} // namespace quennarix::testing
