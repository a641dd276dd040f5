#include "linux/frame_choice.hpp"

#include <string_view>

namespace quennarix::qt {

namespace {

bool frameIsOursToChoose(const Environment &environment)
{
    for (const char *name :
         {"QT_WAYLAND_DISABLE_WINDOWDECORATION", "QT_WAYLAND_DECORATION",
          "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "QT_WAYLAND_SHELL_INTEGRATION"}) {
        if (environment(name) != nullptr)
            return false;
    }
    // As Qt picks its platform: what QT_QPA_PLATFORM names first, else Wayland
    // in a Wayland session.
    if (const char *platform = environment("QT_QPA_PLATFORM"))
        return std::string_view(platform).starts_with("wayland");
    const char *session = environment("XDG_SESSION_TYPE");
    return session != nullptr && std::string_view(session) == "wayland";
}

bool xServerAtHand(const Environment &environment, const SocketCheck &socketExists)
{
    const char *display = environment("DISPLAY");
    if (display == nullptr || display[0] != ':')
        return false; // none, or on another host
    std::string_view number(display + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return socketExists("/tmp/.X11-unix/X" + std::string(number));
}

} // namespace

std::optional<Setting> chooseFrame(const Environment &environment, const SocketCheck &socketExists,
                                   const CompositorQuestion &compositorDrawsFrames)
{
    if (!frameIsOursToChoose(environment))
        return std::nullopt;
    const std::optional<bool> draws = compositorDrawsFrames();
    if (!draws)
        return std::nullopt; // Qt says why when it tries
    if (*draws)
        return Setting{"QT_WAYLAND_DISABLE_WINDOWDECORATION", "1"};
    if (environment("QT_QPA_PLATFORM") == nullptr && xServerAtHand(environment, socketExists))
        return Setting{"QT_QPA_PLATFORM", "xcb"};
    return std::nullopt;
}

} // namespace quennarix::qt
