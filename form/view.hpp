#pragma once

#include "form/control_id.hpp"

#include <string>
#include <string_view>

namespace quennarix::form {

// What the window's behaviour needs of a toolkit: each front end implements it
// over its own controls.
class View
{
public:
    virtual ~View() = default;

    virtual std::u16string textOf(ControlId box) const = 0;
    // One edit the user can undo in the box, not a reset of its history.
    virtual void replaceText(ControlId box, std::u16string_view text) = 0;
    // Returns once the user has dismissed it.
    virtual void showMessage(std::u16string_view message) = 0;
    // Tells a screen reader what was just written where the user is not,
    // leaving the focus where it is.
    virtual void announce(std::u16string_view text) = 0;

protected:
    View() = default;
    View(const View &) = default;
    View &operator=(const View &) = default;
};

} // namespace quennarix::form
