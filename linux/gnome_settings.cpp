#include "linux/gnome_settings.hpp"

#include <gio/gio.h>

namespace quennarix::desktop {

std::optional<std::string> readGnomeInterface(const char *key)
{
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (source == nullptr)
        return std::nullopt;
    GSettingsSchema *schema =
        g_settings_schema_source_lookup(source, "org.gnome.desktop.interface", TRUE);
    if (schema == nullptr)
        return std::nullopt;
    std::optional<std::string> value;
    // GLib ends the program over a key its schema lacks; color-scheme came with GNOME 42.
    if (g_settings_schema_has_key(schema, key)) {
        GSettings *settings = g_settings_new_full(schema, nullptr, nullptr);
        gchar *text = g_settings_get_string(settings, key);
        value = text;
        g_free(text);
        g_object_unref(settings);
    }
    g_settings_schema_unref(schema);
    return value;
}

} // namespace quennarix::desktop
