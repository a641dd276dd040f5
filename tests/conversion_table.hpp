#pragma once

#include "conversion/conversion_outcome.hpp"
#include "table.hpp"

#include <string>
#include <string_view>
#include <variant>

namespace quennarix::testing {

// An outcome as one comparable text, so a failure shows both sides whole.
inline std::u16string Text(std::u16string_view text)
{
    return u"text " + std::u16string(text);
}

inline std::u16string Message(std::u16string_view text)
{
    return u"message " + std::u16string(text);
}

inline std::u16string Describe(const conversion::ConversionOutcome &outcome)
{
    if (const auto *text = std::get_if<conversion::TargetText>(&outcome))
        return Text(text->text);
    return Message(std::get<conversion::Message>(outcome).text);
}

// One row of a conversion's table: what goes in, what comes out.
struct ConversionRow : NamedRow
{
    std::u16string input;
    std::u16string expected;
};

} // namespace quennarix::testing
