#pragma once

#include <optional>
#include <string>

namespace quennarix::qt::startup {

// A key of GNOME's org.gnome.desktop.interface settings, as text; nullopt
// where the schema or the key is not installed. GLib reads it from dconf's
// database file, so no service on the bus can hold the start up: the desktop
// portal, which answers the same from the same store, sometimes hangs.
std::optional<std::string> readGnomeInterface(const char *key);

} // namespace quennarix::qt::startup
