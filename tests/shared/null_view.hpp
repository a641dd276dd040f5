#pragma once

#include "form/view.hpp"

#include <array>
#include <string>
#include <vector>

namespace quennarix::testing {

// A front end with no toolkit: two boxes, and a record of every edit and
// message the form asks for.
class NullView final : public form::View
{
public:
    NullView(std::u16string text1, std::u16string text2) : boxes{std::move(text1), std::move(text2)}
    {}

    std::u16string textOf(form::ControlId box) const override { return boxes.at(slot(box)); }
    void replaceText(form::ControlId box, std::u16string_view text) override
    {
        ++edits;
        boxes.at(slot(box)) = text;
    }
    void showMessage(std::u16string_view message) override { messages.emplace_back(message); }
    void announce(std::u16string_view text) override { spoken.emplace_back(text); }

    std::array<std::u16string, 2> boxes;
    int edits = 0;
    std::vector<std::u16string> messages;
    std::vector<std::u16string> spoken;

private:
    static std::size_t slot(form::ControlId box) { return box == form::ControlId::Text1 ? 0 : 1; }
};

} // namespace quennarix::testing
