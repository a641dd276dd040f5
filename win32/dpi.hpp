#pragma once

#include <windows.h>

namespace quennarix::win32 {

// Windows 10 1607 and later give each window the DPI of its monitor; Windows 7
// to 8.1 have one DPI for the whole system. These ask the newer system where
// it is there and fall back to the older answer elsewhere.
UINT dpiOf(HWND window);
RECT frameAround(const RECT &client, DWORD style, DWORD exStyle, UINT dpi);

} // namespace quennarix::win32
