#pragma once

#include "form/view.hpp"

// Form1 as the page's controls: the view the form reads and writes through
// the page's DOM (web/page.js).
namespace quennarix::web {

class Form1 : public form::View
{
public:
    // Builds the page's controls from the layout table.
    Form1();

    std::u16string textOf(form::ControlId box) const override;
    void replaceText(form::ControlId box, std::u16string_view text) override;
    void announce(std::u16string_view text) override;
    void showMessage(std::u16string_view message) override;
};

} // namespace quennarix::web
