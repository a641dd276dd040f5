#pragma once

#include "qt/startup/settings.hpp"

#include <string>

namespace quennarix::qt::startup {

// The process's environment: nullptr when a variable is unset, "" when set empty.
const char *environmentValue(const char *name);

// Empty when the environment names a display (or a platform that needs none);
// otherwise a sentence saying what is missing. An empty name names none.
std::string missingDisplay(const Environment &environment);

// Sentences naming the X or Wayland display that could not be opened.
std::string unreachableX11Display(const Environment &environment);
std::string unreachableWaylandDisplay(const Environment &environment);

// Whether `path` is a socket, as an X server's is.
bool isSocket(const std::string &path);

} // namespace quennarix::qt::startup
