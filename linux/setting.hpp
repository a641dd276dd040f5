#pragma once

#include <functional>
#include <string>

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

} // namespace quennarix::qt
