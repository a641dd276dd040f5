#pragma once

#include "conversion/conversion_outcome.hpp"
#include "window/form_layout.hpp"

#include <array>
#include <memory>
#include <type_traits>
#include <windows.h>

namespace quennarix::win32 {

// A control's id is its index in the layout table plus this: clear of IDOK and
// IDCANCEL, which IsDialogMessage sends for Enter and Escape.
inline constexpr int kFirstControlId = 100;

// The program's one window: two boxes and an arrow button for each direction.
class Form1
{
public:
    explicit Form1(HINSTANCE instance);
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    HWND handle() const { return m_window; }

private:
    struct FontDeleter
    {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(HINSTANCE instance);
    void createControl(std::size_t index, HINSTANCE instance);
    void addToolTips(HINSTANCE instance);
    void scaleTo(UINT dpi);
    HWND control(const char *name) const;
    void Command1Click();
    void Command2Click();
    void apply(const ConversionOutcome &outcome, HWND target);

    HWND m_window = nullptr;
    std::array<HWND, layout::kControls.size()> m_controls{};
    std::array<FontHandle, layout::kControls.size()> m_fonts;
};

} // namespace quennarix::win32
