#pragma once

#include <cstddef>

namespace quennarix::form {

// The window's controls, in tab order; each indexes its row of the layout table.
enum class ControlId {
    Label1,
    Text1,
    Label2,
    Text2,
    Label3,
    Command1,
    Command2,
    Label4,
};

inline constexpr std::size_t kControlCount = 8;

constexpr std::size_t indexOf(ControlId id)
{
    return static_cast<std::size_t>(id);
}

} // namespace quennarix::form
