#pragma once

#include "form/control_id.hpp"

#include <optional>

namespace quennarix::win32 {

// A control's window id is its ControlId plus this: clear of IDOK and IDCANCEL,
// which IsDialogMessage sends for Enter and Escape.
inline constexpr int kFirstControlId = 100;

constexpr int commandIdOf(form::ControlId id)
{
    return kFirstControlId + static_cast<int>(form::indexOf(id));
}

constexpr std::optional<form::ControlId> controlOfCommand(int commandId)
{
    const int index = commandId - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(form::kControlCount))
        return std::nullopt;
    return static_cast<form::ControlId>(index);
}

} // namespace quennarix::win32
