#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quennarix::qt {

// An environment variable's value; nullptr when it is unset or empty.
using Environment = std::function<const char *(const char *name)>;

// A variable the program sets for Qt before Qt starts.
struct Setting
{
    std::string name;
    std::string value;
    friend bool operator==(const Setting &, const Setting &) = default;
};

// Whether Qt will load the platform theme of that key: the one the user names,
// or, naming none, the one for the desktop XDG_CURRENT_DESKTOP lists.
inline bool qtLoadsTheme(const Environment &environment, std::string_view key,
                         std::string_view desktop)
{
    if (const char *theme = environment("QT_QPA_PLATFORMTHEME"))
        return theme == key;
    const char *desktops = environment("XDG_CURRENT_DESKTOP");
    for (std::string_view rest(desktops != nullptr ? desktops : ""); !rest.empty();) {
        const auto colon = rest.find(':');
        if (rest.substr(0, colon) == desktop)
            return true;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

} // namespace quennarix::qt
