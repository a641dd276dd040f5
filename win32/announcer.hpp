#pragma once

#include <string>
#include <windows.h>

namespace quennarix::win32 {

// Has a screen reader speak `text` through UI Automation's notification, where
// Windows has it (10 1709 and later); elsewhere it does nothing.
void announce(HWND window, const std::wstring &text);

} // namespace quennarix::win32
