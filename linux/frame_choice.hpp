#pragma once

#include "linux/setting.hpp"

#include <functional>
#include <optional>
#include <string>

// How the window gets its frame in a Wayland session, decided before Qt starts.
// Before Qt 6.8 Qt's own Wayland frame loads its EGL integration (libEGL, a
// Mesa driver, libLLVM) for a window that paints without GL; the compositor's
// frame, or the window manager's through XWayland, costs nothing of the kind.
namespace quennarix::qt {

using SocketCheck = std::function<bool(const std::string &path)>;
// Whether the compositor draws window frames; nullopt when none answers.
using CompositorQuestion = std::function<std::optional<bool>()>;

// The variable to set before Qt starts, if any. The choice is ours only where
// Qt would start on Wayland by itself (QT_QPA_PLATFORM names Wayland, or
// nothing in a Wayland session) and the user has set none of Qt's Wayland
// frame, shell or buffer variables; only then is the compositor asked. Where
// it draws frames, Qt is kept from preparing its own; else, where the user
// named no platform and a local X server is at hand (XWayland, as GNOME
// provides it: DISPLAY names a socket that is there), Qt starts on X11, where
// the window manager draws the frame; else Qt draws its own.
std::optional<Setting> chooseFrame(const Environment &environment, const SocketCheck &socketExists,
                                   const CompositorQuestion &compositorDrawsFrames);

} // namespace quennarix::qt
