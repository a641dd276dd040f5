#pragma once

#include <compare>
#include <functional>
#include <string>

// What Qt will choose as it starts, worked out before it starts, by Qt's own
// rules. Each is copied from Qt's source, which names the file.
namespace quennarix::desktop {

// An environment variable's value; nullptr when it is unset or empty.
using Environment = std::function<const char *(const char *name)>;

struct QtVersion
{
    int major;
    int minor;
    friend auto operator<=>(const QtVersion &, const QtVersion &) = default;
};

// The key of the platform theme Qt loads: "kde" (Plasma's plugin, or Qt's own
// KDE theme without it), "gtk3", or another theme's.
std::string themeQtLoads(const Environment &environment);

// Whether Qt, left to itself, starts on Wayland rather than X11.
bool qtStartsOnWayland(const Environment &environment);

} // namespace quennarix::desktop
