#include "font_probe.hpp"

#include <algorithm>
#include <string>

using quennarix::testing::ProbedControl;
using quennarix::testing::ProbeResult;

namespace {

// The size of the box the glyphs actually cover: a cell's blank edges need no room.
SIZE inkOf(const std::wstring &text, HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previousFont = SelectObject(dc, font);
    SIZE cell{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &cell);
    const int width = cell.cx + 8;
    const int height = cell.cy + 8;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top-down rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    DWORD *pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS,
                                      reinterpret_cast<void **>(&pixels), nullptr, 0);
    const HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 4, 4, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    RECT ink{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF)
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                       std::max<LONG>(ink.right, x), std::max<LONG>(ink.bottom, y)};
        }
    }
    SelectObject(dc, previousBitmap);
    SelectObject(dc, previousFont);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink.right < 0 ? SIZE{0, 0} : SIZE{ink.right - ink.left + 1, ink.bottom - ink.top + 1};
}

ProbedControl probe(HWND control)
{
    ProbedControl probed{GetDlgCtrlID(control), {}, {}};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof probed.font, &probed.font);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    probed.ink = inkOf(text, font);
    return probed;
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK probeHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT probeMessage = RegisterWindowMessageW(quennarix::testing::kProbeMessage);
    const auto *message = reinterpret_cast<const MSG *>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == probeMessage) {
        HANDLE section = OpenFileMappingW(FILE_MAP_WRITE, FALSE, quennarix::testing::kProbeSection);
        auto *result = static_cast<ProbeResult *>(
            MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, sizeof(ProbeResult)));
        if (result != nullptr) {
            result->classIcons = GetClassLongPtrW(message->hwnd, GCLP_HICON) != 0 &&
                                 GetClassLongPtrW(message->hwnd, GCLP_HICONSM) != 0;
            result->count = 0;
            for (HWND child = GetWindow(message->hwnd, GW_CHILD);
                 child != nullptr && result->count < 16; child = GetWindow(child, GW_HWNDNEXT))
                result->controls[result->count++] = probe(child);
            UnmapViewOfFile(result);
        }
        CloseHandle(section);
        HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, quennarix::testing::kProbeDone);
        SetEvent(done);
        CloseHandle(done);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
