#include "qt/startup/startup.hpp"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QVersionNumber>

#include <dlfcn.h>
#include <filesystem>
#include <gio/gio.h>

namespace quennarix::qt::startup {

namespace {

// GLib reads the settings from dconf's database file, so no service on the bus
// can hold the start up, as the desktop portal, which answers the same, may.
std::optional<std::string> gnomeInterface(const char *key)
{
    // Loaded only when asked: linked into the program, it cost every start about 1 MB.
    static void *const gio = dlopen("libgio-2.0.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (gio == nullptr)
        return std::nullopt;
#define QUENNARIX_FIND(name)                                                                       \
    const auto name = reinterpret_cast<decltype(&::name)>(dlsym(gio, #name))
    QUENNARIX_FIND(g_settings_schema_source_get_default);
    QUENNARIX_FIND(g_settings_schema_source_lookup);
    QUENNARIX_FIND(g_settings_schema_has_key);
    QUENNARIX_FIND(g_settings_schema_unref);
    QUENNARIX_FIND(g_settings_new_full);
    QUENNARIX_FIND(g_settings_get_string);
    QUENNARIX_FIND(g_object_unref);
    QUENNARIX_FIND(g_free);
#undef QUENNARIX_FIND
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    GSettingsSchema *schema =
        source != nullptr
            ? g_settings_schema_source_lookup(source, "org.gnome.desktop.interface", TRUE)
            : nullptr;
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

} // namespace

Facts factsOfThisMachine()
{
    const QVersionNumber qt = QLibraryInfo::version();
    const QString gtkTheme = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                             QStringLiteral("/platformthemes/libqgtk3.so");
    Facts facts{QT_VERSION_CHECK(qt.majorVersion(), qt.minorVersion(), 0),
                QFileInfo::exists(gtkTheme), gnomeInterface, [] { return std::optional<bool>(); },
                [](const std::string &path) {
                    std::error_code error;
                    return std::filesystem::is_socket(path, error);
                }};
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
    facts.compositorDrawsFrames = compositorDrawsFrames;
#endif
    return facts;
}

} // namespace quennarix::qt::startup
