#pragma once

#include <string_view>

// The four messages a user can be shown, as the tests expect them.
namespace quennarix::testing {

inline constexpr std::u16string_view kEnterHexValue = u"Please enter hex value";
inline constexpr std::u16string_view kEnterValidHexValue = u"Please enter a valid hex value";
inline constexpr std::u16string_view kEnterTimeValue = u"Please enter time value";
inline constexpr std::u16string_view kEnterValidTimeValue = u"Please enter a valid time value";

} // namespace quennarix::testing
