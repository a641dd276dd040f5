#pragma once

namespace quennarix::qt {

// In a Wayland session, with a Qt older than 6.8, chooses how the window gets
// its frame before Qt starts (linux/frame_choice.hpp): asks the compositor, the
// way Qt's window will, whether it draws frames (sway and the other wlroots
// compositors, KDE Plasma), and if so keeps Qt from preparing its own, which
// loads EGL and a Mesa driver; where it does not (GNOME, Weston) and XWayland
// is at hand, starts Qt on X11, where the window manager draws the frame.
// Changes nothing where Qt will not use Wayland or the user has chosen already.
// Call before the application object is made.
void chooseWindowFrame();

} // namespace quennarix::qt
