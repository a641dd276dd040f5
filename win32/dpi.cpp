#include "win32/dpi.hpp"

namespace quennarix::win32 {

namespace {

// Looked up at run time: a static import of these would keep the program from
// loading at all before Windows 10 1607.
template <class Function> Function fromUser32(const char *name)
{
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(user32, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);

} // namespace

UINT dpiOf(HWND window)
{
    static const auto getDpiForWindow = fromUser32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr)
        return getDpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96U;
}

RECT frameAround(const RECT &client, DWORD style, DWORD exStyle, UINT dpi)
{
    static const auto adjustForDpi =
        fromUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame = client;
    if (adjustForDpi != nullptr)
        adjustForDpi(&frame, style, FALSE, exStyle, dpi);
    else // the system's one DPI, which is the window's
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return frame;
}

} // namespace quennarix::win32
