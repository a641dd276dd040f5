#include "win32/form1.hpp"

#include "form/clicks.hpp"
#include "form/layout.hpp"
#include "resource_ids.h"
#include "win32/accessibility.hpp"
#include "win32/announcer.hpp"
#include "win32/control_ids.hpp"
#include "win32/dpi.hpp"
#include "win32/message_box.hpp"
#include "win32/wide_text.hpp"

#include <cmath>
#include <commctrl.h>

namespace quennarix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"Quennarix.Form1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;

HFONT createFont(const form::FontChoice &choice, UINT dpi)
{
    LOGFONTW font{};
    const int tenthsOfPoint = static_cast<int>(std::lround(choice.pointSize * 10));
    font.lfHeight = -MulDiv(tenthsOfPoint, static_cast<int>(dpi), 720);
    font.lfWeight = choice.weight;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring family = toWide(choice.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

// Labels overlap their box by a pixel; clipping siblings keeps the box's border.
// A caption stays on its one line.
ControlClass classFor(form::ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
    case form::ControlKind::Label:
        return {WC_STATICW, child | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case form::ControlKind::TextBox:
        return {WC_EDITW, child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case form::ControlKind::PushButton:
        return {WC_BUTTONW, child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {};
}

HICON loadIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ICON1), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

bool registerWindowClass(HINSTANCE instance, WNDPROC windowProc)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = loadIcon(instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = loadIcon(instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

} // namespace

Form1::Form1(HINSTANCE instance)
{
    if (!registerWindowClass(instance, windowProc))
        return;
    if (CreateWindowExW(kExStyle, kClassName, toWide(form::kWindowCaption).c_str(), kStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance,
                        this) == nullptr)
        return;
    createControls(instance);
    m_focusWhenActive = control(form::Text1);
    addToolTips(instance);
    scaleTo(dpiOf(m_window));
}

LRESULT CALLBACK Form1::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form =
            static_cast<Form1 *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<Form1 *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->m_window = nullptr;
    }
    return form->onMessage(message, wParam, lParam);
}

LRESULT Form1::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Enter and Escape arrive here as IDOK and IDCANCEL, and do nothing.
        if (HIWORD(wParam) == BN_CLICKED) {
            if (const auto id = controlOfCommand(LOWORD(wParam)))
                form::click(*id, *this);
        }
        return 0;
    // As in a dialog, the focus leaves with the window and comes back to the
    // control that had it: after a message box, the button that opened it.
    // Qt's windows do this by themselves.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = GetFocus(); focused != nullptr && IsChild(m_window, focused))
                m_focusWhenActive = focused;
        } else if (HIWORD(wParam) == 0) { // not minimised
            SetFocus(m_focusWhenActive);
        }
        return 0;
    // Restoring the active window gives the window itself the focus.
    case WM_SETFOCUS:
        if (m_focusWhenActive != nullptr && !IsIconic(m_window))
            SetFocus(m_focusWhenActive);
        return 0;
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<const RECT *>(lParam);
        scaleTo(HIWORD(wParam));
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

// Screen readers name a box after the label just before it in z-order, so each
// box's label is made just before the box; the tab order stays the table's.
void Form1::createControls(HINSTANCE instance)
{
    for (const form::ControlLayout &entry : form::kControls) {
        if (entry.labels)
            continue;
        if (const auto label = form::labelOf(entry.id))
            createControl(*label, instance);
        createControl(entry.id, instance);
    }
}

void Form1::createControl(form::ControlId id, HINSTANCE instance)
{
    const form::ControlLayout &entry = form::layoutOf(id);
    const ControlClass kind = classFor(entry.kind);
    HWND created = CreateWindowExW(
        kind.exStyle, kind.name, toWide(entry.caption).c_str(), kind.style, 0, 0, 0, 0, m_window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandIdOf(id))), instance, nullptr);
    if (entry.kind == form::ControlKind::TextBox && form::kBoxesTakeAnyLength)
        SendMessageW(created, EM_SETLIMITTEXT, 0, 0); // 0: as long as the system allows
    if (entry.accessibleName != nullptr)
        setAccessibleName(created, toWide(entry.accessibleName));
    m_controls[form::indexOf(id)] = created;
}

void Form1::addToolTips(HINSTANCE instance)
{
    HWND tips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                m_window, nullptr, instance, nullptr);
    for (const form::ControlLayout &entry : form::kControls) {
        const char *tip = form::toolTipOf(entry);
        if (tip == nullptr)
            continue;
        std::wstring text = toWide(tip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(control(entry.id));
        tool.lpszText = text.data();
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Form1::scaleTo(UINT dpi)
{
    const form::Size client = form::clientSizeAt(static_cast<int>(dpi));
    const RECT frame = frameAround({0, 0, client.width, client.height}, kStyle, kExStyle, dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (const form::ControlLayout &entry : form::kControls) {
        const std::size_t index = form::indexOf(entry.id);
        FontHandle previous = std::move(m_fonts[index]);
        m_fonts[index].reset(createFont(form::fontOf(entry), dpi));
        SendMessageW(m_controls[index], WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[index].get()),
                     FALSE);
        const form::Rect place = form::placeAt(entry, static_cast<int>(dpi));
        SetWindowPos(m_controls[index], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

HWND Form1::control(form::ControlId id) const
{
    return m_controls[form::indexOf(id)];
}

std::u16string Form1::textOf(form::ControlId box) const
{
    return win32::textOf(control(box));
}

// Selecting all and replacing the selection is one edit Undo can take back;
// SetWindowText would empty the box's undo buffer.
void Form1::replaceText(form::ControlId box, std::u16string_view text)
{
    const std::wstring wide = toWide(text);
    SendMessageW(control(box), EM_SETSEL, 0, -1);
    SendMessageW(control(box), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Form1::announce(std::u16string_view text)
{
    win32::announce(m_window, toWide(text));
}

void Form1::showMessage(std::u16string_view message)
{
    showMessageBox(m_window, message);
}

} // namespace quennarix::win32
