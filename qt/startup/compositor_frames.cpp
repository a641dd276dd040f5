#include "qt/startup/startup.hpp"
#include "xdg-decoration-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <cstdint>
#include <cstring>
#include <wayland-client.h>

namespace quennarix::qt::startup {

namespace {

struct Exchange
{
    wl_compositor *compositor = nullptr;
    xdg_wm_base *shell = nullptr;
    zxdg_decoration_manager_v1 *decorations = nullptr;
    bool configured = false;
    std::uint32_t mode = ZXDG_TOPLEVEL_DECORATION_V1_MODE_CLIENT_SIDE;
};

template <typename Proxy>
void bind(Proxy *&proxy, wl_registry *registry, std::uint32_t name, const char *interface,
          const wl_interface &kind)
{
    if (std::strcmp(interface, kind.name) == 0)
        proxy = static_cast<Proxy *>(wl_registry_bind(registry, name, &kind, 1));
}

constexpr wl_registry_listener kRegistryListener{
    [](void *data, wl_registry *registry, std::uint32_t name, const char *interface,
       std::uint32_t) {
        auto &exchange = *static_cast<Exchange *>(data);
        bind(exchange.compositor, registry, name, interface, wl_compositor_interface);
        bind(exchange.shell, registry, name, interface, xdg_wm_base_interface);
        bind(exchange.decorations, registry, name, interface, zxdg_decoration_manager_v1_interface);
    },
    [](void *, wl_registry *, std::uint32_t) {}};
constexpr xdg_wm_base_listener kShellListener{
    [](void *, xdg_wm_base *shell, std::uint32_t serial) { xdg_wm_base_pong(shell, serial); }};
constexpr zxdg_toplevel_decoration_v1_listener kDecorationListener{
    [](void *data, zxdg_toplevel_decoration_v1 *, std::uint32_t mode) {
        static_cast<Exchange *>(data)->mode = mode;
    }};
// The decoration's mode comes before the surface's configure, which ends the answer.
constexpr xdg_surface_listener kSurfaceListener{[](void *data, xdg_surface *, std::uint32_t) {
    static_cast<Exchange *>(data)->configured = true;
}};

// Asks for the frame of a toplevel that is never mapped, in the words Qt before
// 6.8 uses for its window: the mode left to the compositor.
void askAboutAToplevel(wl_display *display, Exchange &exchange)
{
    xdg_wm_base_add_listener(exchange.shell, &kShellListener, nullptr);
    wl_surface *surface = wl_compositor_create_surface(exchange.compositor);
    xdg_surface *shellSurface = xdg_wm_base_get_xdg_surface(exchange.shell, surface);
    xdg_toplevel *toplevel = xdg_surface_get_toplevel(shellSurface);
    zxdg_toplevel_decoration_v1 *decoration =
        zxdg_decoration_manager_v1_get_toplevel_decoration(exchange.decorations, toplevel);
    zxdg_toplevel_decoration_v1_add_listener(decoration, &kDecorationListener, &exchange);
    xdg_surface_add_listener(shellSurface, &kSurfaceListener, &exchange);
    zxdg_toplevel_decoration_v1_unset_mode(decoration);
    wl_surface_commit(surface);
    // A compositor may send the configure after answering the round trip.
    for (int trip = 0; trip < 3 && !exchange.configured; ++trip) {
        if (wl_display_roundtrip(display) < 0)
            break;
    }
    zxdg_toplevel_decoration_v1_destroy(decoration);
    xdg_toplevel_destroy(toplevel);
    xdg_surface_destroy(shellSurface);
    wl_surface_destroy(surface);
}

} // namespace

// sway, KWin and the other compositors that draw frames answer so; GNOME,
// Weston and those without the decoration protocol leave them to the program.
std::optional<bool> compositorDrawsFrames()
{
    wl_display *display = wl_display_connect(nullptr);
    if (display == nullptr)
        return std::nullopt;
    wl_registry *registry = wl_display_get_registry(display);
    Exchange exchange;
    wl_registry_add_listener(registry, &kRegistryListener, &exchange);
    wl_display_roundtrip(display);
    if (exchange.compositor != nullptr && exchange.shell != nullptr &&
        exchange.decorations != nullptr)
        askAboutAToplevel(display, exchange);
    if (exchange.decorations != nullptr)
        zxdg_decoration_manager_v1_destroy(exchange.decorations);
    if (exchange.shell != nullptr)
        xdg_wm_base_destroy(exchange.shell);
    if (exchange.compositor != nullptr)
        wl_compositor_destroy(exchange.compositor);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return exchange.configured && exchange.mode == ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE;
}

} // namespace quennarix::qt::startup
