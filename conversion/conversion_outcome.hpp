#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace quennarix::conversion {

// The text that replaces the target box.
struct TargetText
{
    std::u16string text;
};

// A message for the user; always one of the fixed texts in messages.hpp,
// which live as long as the program.
struct Message
{
    std::u16string_view text;
};

// What one click produces: a text for the other box, or a message, never both.
using ConversionOutcome = std::variant<TargetText, Message>;

} // namespace quennarix::conversion
