#include "win32/form1.hpp"

#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"
#include "win32/accessible_name.hpp"
#include "win32/message_box.hpp"
#include "win32/wide_text.hpp"

#include <cmath>
#include <commctrl.h>
#include <cstring>
#include <variant>

namespace quennarix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"Quennarix.Form1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr UINT kDesignDpi = 96;

int scaled(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), kDesignDpi);
}

HFONT createFont(const layout::FontChoice &choice, UINT dpi)
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
ControlClass classFor(layout::ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
    case layout::ControlKind::Label:
        return {WC_STATICW, child | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case layout::ControlKind::TextBox:
        return {WC_EDITW, child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case layout::ControlKind::PushButton:
        return {WC_BUTTONW, child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {};
}

void registerWindowClass(HINSTANCE instance, WNDPROC windowProc)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                   GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

} // namespace

Form1::Form1(HINSTANCE instance)
{
    registerWindowClass(instance, windowProc);
    CreateWindowExW(kExStyle, kClassName, toWide(layout::kWindowCaption).c_str(), kStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    createControls(instance);
    addToolTips(instance);
    scaleTo(GetDpiForWindow(m_window));
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
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return form->handle(message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Enter and Escape arrive here as IDOK and IDCANCEL, and do nothing.
        if (HIWORD(wParam) == BN_CLICKED) {
            if (reinterpret_cast<HWND>(lParam) == control("Command1"))
                Command1Click();
            else if (reinterpret_cast<HWND>(lParam) == control("Command2"))
                Command2Click();
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(control("Text1"));
            return 0;
        }
        break;
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
    for (std::size_t index = 0; index < layout::kControls.size(); ++index) {
        const layout::ControlLayout &entry = layout::kControls[index];
        if (entry.labels != nullptr)
            continue;
        for (std::size_t label = 0; label < layout::kControls.size(); ++label) {
            const char *labels = layout::kControls[label].labels;
            if (labels != nullptr && std::strcmp(labels, entry.name) == 0)
                createControl(label, instance);
        }
        createControl(index, instance);
    }
}

void Form1::createControl(std::size_t index, HINSTANCE instance)
{
    const layout::ControlLayout &entry = layout::kControls[index];
    const ControlClass kind = classFor(entry.kind);
    HWND created = CreateWindowExW(
        kind.exStyle, kind.name, toWide(entry.caption).c_str(), kind.style, 0, 0, 0, 0, m_window,
        reinterpret_cast<HMENU>(kFirstControlId + index), instance, nullptr);
    if (entry.kind == layout::ControlKind::TextBox)
        SendMessageW(created, EM_SETLIMITTEXT, 0, 0); // 0: as long as the system allows
    if (entry.accessibleName != nullptr)
        setAccessibleName(created, toWide(entry.accessibleName));
    m_controls[index] = created;
}

void Form1::addToolTips(HINSTANCE instance)
{
    HWND tips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                m_window, nullptr, instance, nullptr);
    for (std::size_t index = 0; index < layout::kControls.size(); ++index) {
        const layout::ControlLayout &entry = layout::kControls[index];
        if (entry.kind != layout::ControlKind::PushButton || entry.accessibleName == nullptr)
            continue;
        std::wstring text = toWide(entry.accessibleName);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(m_controls[index]);
        tool.lpszText = text.data();
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The table is in pixels at 96 dpi; everything scales with the window's dpi.
void Form1::scaleTo(UINT dpi)
{
    RECT frame{0, 0, scaled(layout::kClientWidth, dpi), scaled(layout::kClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (std::size_t index = 0; index < layout::kControls.size(); ++index) {
        const layout::ControlLayout &entry = layout::kControls[index];
        const layout::FontChoice &font =
            entry.font.family != nullptr ? entry.font : layout::kWindowFont;
        FontHandle previous = std::move(m_fonts[index]);
        m_fonts[index].reset(createFont(font, dpi));
        SendMessageW(m_controls[index], WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[index].get()),
                     FALSE);
        SetWindowPos(m_controls[index], nullptr, scaled(entry.left, dpi), scaled(entry.top, dpi),
                     scaled(entry.width, dpi), scaled(entry.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

HWND Form1::control(const char *name) const
{
    for (std::size_t index = 0; index < layout::kControls.size(); ++index) {
        if (std::strcmp(layout::kControls[index].name, name) == 0)
            return m_controls[index];
    }
    return nullptr;
}

void Form1::Command1Click()
{
    apply(ConvertHexToTime(textOf(control("Text2"))), control("Text1"));
}

void Form1::Command2Click()
{
    apply(ConvertTimeToHex(textOf(control("Text1"))), control("Text2"));
}

void Form1::apply(const ConversionOutcome &outcome, HWND target)
{
    if (const auto *text = std::get_if<TargetText>(&outcome))
        SetWindowTextW(target, toWide(text->text).c_str());
    else
        showMessageBox(m_window, std::get<Message>(outcome).text);
}

} // namespace quennarix::win32
