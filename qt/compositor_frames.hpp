#pragma once

namespace quennarix::qt {

// On a Wayland compositor that draws window frames itself (sway and the other
// wlroots compositors, KDE Plasma), tells Qt not to prepare frames of its own:
// Qt before 6.8 prepares them by loading EGL and a Mesa driver, for a window that
// paints without GL. Asks the compositor first, the way Qt's window will, so a
// compositor that would leave the frame to the program still gets Qt's.
// Changes nothing where Qt will not use Wayland or the user has chosen already.
// Call before the application object is made.
void preferCompositorFrames();

} // namespace quennarix::qt
