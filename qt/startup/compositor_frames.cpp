#include "qt/startup/compositor_frames.hpp"

#include "xdg-decoration-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <wayland-client.h>

namespace quennarix::qt::startup {

namespace {

struct Globals
{
    wl_compositor *compositor = nullptr;
    xdg_wm_base *shell = nullptr;
    zxdg_decoration_manager_v1 *decorations = nullptr;
};

void onGlobal(void *data, wl_registry *registry, std::uint32_t name, const char *interface,
              std::uint32_t)
{
    auto *globals = static_cast<Globals *>(data);
    const auto bind = [&](const wl_interface &kind) {
        return std::strcmp(interface, kind.name) == 0 ? wl_registry_bind(registry, name, &kind, 1)
                                                      : nullptr;
    };
    if (void *bound = bind(wl_compositor_interface))
        globals->compositor = static_cast<wl_compositor *>(bound);
    else if (void *bound = bind(xdg_wm_base_interface))
        globals->shell = static_cast<xdg_wm_base *>(bound);
    else if (void *bound = bind(zxdg_decoration_manager_v1_interface))
        globals->decorations = static_cast<zxdg_decoration_manager_v1 *>(bound);
}

void onGlobalRemoved(void *, wl_registry *, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener{onGlobal, onGlobalRemoved};

void onPing(void *, xdg_wm_base *shell, std::uint32_t serial)
{
    xdg_wm_base_pong(shell, serial);
}

constexpr xdg_wm_base_listener kShellListener{onPing};

struct Answer
{
    bool configured = false;
    std::uint32_t mode = ZXDG_TOPLEVEL_DECORATION_V1_MODE_CLIENT_SIDE;
};

void onDecorationConfigure(void *data, zxdg_toplevel_decoration_v1 *, std::uint32_t mode)
{
    static_cast<Answer *>(data)->mode = mode;
}

constexpr zxdg_toplevel_decoration_v1_listener kDecorationListener{onDecorationConfigure};

// The decoration's mode comes before the surface's configure, which ends the answer.
void onSurfaceConfigure(void *data, xdg_surface *, std::uint32_t)
{
    static_cast<Answer *>(data)->configured = true;
}

constexpr xdg_surface_listener kSurfaceListener{onSurfaceConfigure};

// Asks for the compositor's preferred frame for a toplevel that is never
// mapped, in the words Qt before 6.8 uses for its window, and returns whether
// the compositor will draw it.
bool drawsFrameOf(wl_display *display, const Globals &globals)
{
    wl_surface *surface = wl_compositor_create_surface(globals.compositor);
    xdg_surface *shellSurface = xdg_wm_base_get_xdg_surface(globals.shell, surface);
    xdg_toplevel *toplevel = xdg_surface_get_toplevel(shellSurface);
    zxdg_toplevel_decoration_v1 *decoration =
        zxdg_decoration_manager_v1_get_toplevel_decoration(globals.decorations, toplevel);

    Answer answer;
    zxdg_toplevel_decoration_v1_add_listener(decoration, &kDecorationListener, &answer);
    xdg_surface_add_listener(shellSurface, &kSurfaceListener, &answer);
    zxdg_toplevel_decoration_v1_unset_mode(decoration);
    wl_surface_commit(surface);
    // A compositor may send the configure after answering the round trip.
    for (int trip = 0; trip < 3 && !answer.configured; ++trip) {
        if (wl_display_roundtrip(display) < 0)
            break;
    }

    zxdg_toplevel_decoration_v1_destroy(decoration);
    xdg_toplevel_destroy(toplevel);
    xdg_surface_destroy(shellSurface);
    wl_surface_destroy(surface);
    return answer.configured && answer.mode == ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE;
}

} // namespace

std::optional<bool> compositorDrawsFrames()
{
    wl_display *display = wl_display_connect(nullptr);
    if (display == nullptr)
        return std::nullopt;
    wl_registry *registry = wl_display_get_registry(display);
    Globals globals;
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);

    bool draws = false;
    if (globals.compositor != nullptr && globals.shell != nullptr &&
        globals.decorations != nullptr) {
        xdg_wm_base_add_listener(globals.shell, &kShellListener, nullptr);
        draws = drawsFrameOf(display, globals);
    }

    if (globals.decorations != nullptr)
        zxdg_decoration_manager_v1_destroy(globals.decorations);
    if (globals.shell != nullptr)
        xdg_wm_base_destroy(globals.shell);
    if (globals.compositor != nullptr)
        wl_compositor_destroy(globals.compositor);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return draws;
}

} // namespace quennarix::qt::startup
