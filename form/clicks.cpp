#include "form/clicks.hpp"

#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"
#include "form/view.hpp"

#include <variant>

namespace quennarix::form {

namespace {

// An answer is seen in the other box, so a screen reader hears it; a message
// leaves both boxes as they were.
void apply(const conversion::ConversionOutcome &outcome, ControlId target, View &view)
{
    if (const auto *text = std::get_if<conversion::TargetText>(&outcome)) {
        view.replaceText(target, text->text);
        view.announce(text->text);
    } else {
        view.showMessage(std::get<conversion::Message>(outcome).text);
    }
}

} // namespace

void Command1Click(View &view)
{
    apply(conversion::ConvertHexToTime(view.textOf(ControlId::Text2)), ControlId::Text1, view);
}

void Command2Click(View &view)
{
    apply(conversion::ConvertTimeToHex(view.textOf(ControlId::Text1)), ControlId::Text2, view);
}

void click(ControlId control, View &view)
{
    if (control == ControlId::Command1)
        Command1Click(view);
    else if (control == ControlId::Command2)
        Command2Click(view);
}

} // namespace quennarix::form
