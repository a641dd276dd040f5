#pragma once

#include "conversion/conversion_outcome.hpp"

#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

// Outcomes as readable strings, so a failed comparison shows both sides.
namespace quennarix::testing {

inline std::string Readable(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out;
}

inline std::string TextOutcome(std::u16string_view text)
{
    return "text \"" + Readable(text) + "\"";
}

inline std::string MessageOutcome(std::u16string_view text)
{
    return "message \"" + Readable(text) + "\"";
}

inline std::string Describe(const conversion::ConversionOutcome &outcome)
{
    return std::visit(
        [](const auto &value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, conversion::TargetText>)
                return TextOutcome(value.text);
            else
                return MessageOutcome(value.text);
        },
        outcome);
}

} // namespace quennarix::testing
