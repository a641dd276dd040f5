#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace quennarix::win32 {

// Windows' wchar_t holds UTF-16 code units, as the conversions' text does.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring toWide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// The layout table's captions are ASCII.
inline std::wstring toWide(const char *ascii)
{
    const std::string_view text = ascii != nullptr ? ascii : "";
    return {text.begin(), text.end()};
}

inline std::u16string textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

} // namespace quennarix::win32
