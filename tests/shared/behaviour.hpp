#pragma once

#include "form/control_id.hpp"
#include "messages.hpp"
#include "table.hpp"

#include <string>
#include <string_view>
#include <vector>

// What the window does, as every front end and the null view must show it.
namespace quennarix::testing {

// A click on `control`, or a key pressed in it.
enum class Input { Click, Return, Enter, Escape };

// The boxes before, one input, then the boxes, the one message and what a
// screen reader is told after.
struct BehaviourRow : NamedRow
{
    form::ControlId control;
    Input input;
    std::u16string text1;
    std::u16string text2;
    std::u16string text1After;
    std::u16string text2After;
    std::u16string_view message;     // empty: none, and the window stays open
    std::u16string_view spoken = {}; // an answer, as the other box shows it
};

const std::vector<BehaviourRow> &behaviourRows();
// The row's message and what is spoken, as lists of none or one.
std::vector<std::u16string> messagesIn(const BehaviourRow &row);
std::vector<std::u16string> spokenIn(const BehaviourRow &row);
// The rows a view without keys can run.
std::vector<BehaviourRow> clickRows();

} // namespace quennarix::testing
