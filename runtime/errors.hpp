#pragma once

#include <exception>

namespace quennarix::runtime {

// What the text and number operations throw when they cannot give a value.
class RuntimeError : public std::exception
{
};

class OverflowError : public RuntimeError
{
public:
    const char *what() const noexcept override { return "Overflow"; }
};

class TypeMismatchError : public RuntimeError
{
public:
    const char *what() const noexcept override { return "Type mismatch"; }
};

} // namespace quennarix::runtime
