#pragma once

#include <optional>

namespace quennarix::qt::startup {

// Asks the Wayland compositor, in the words Qt before 6.8 uses for its window,
// whether it draws window frames (sway and the other wlroots compositors, KDE
// Plasma) or leaves them to the program (GNOME, Weston, or any compositor
// without the decoration protocol); nullopt when none answers.
std::optional<bool> compositorDrawsFrames();

} // namespace quennarix::qt::startup
