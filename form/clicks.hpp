#pragma once

#include "form/control_id.hpp"

namespace quennarix::form {

class View;

// "<": the hex box's seconds as a time in the time box.
void Command1Click(View &view);
// ">": the time box's minutes and seconds as hex in the hex box.
void Command2Click(View &view);

// Runs the click of `control`; a click on anything but an arrow does nothing.
void click(ControlId control, View &view);

} // namespace quennarix::form
