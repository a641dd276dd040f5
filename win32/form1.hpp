#pragma once

#include "form/control_id.hpp"
#include "form/view.hpp"

#include <array>
#include <memory>
#include <type_traits>
#include <windows.h>

namespace quennarix::win32 {

// The program's one window, as plain Win32 controls: two boxes and an arrow
// button for each direction. What a click does is the form's; this only shows it.
class Form1 final : private form::View
{
public:
    // window() is null when the window could not be made; GetLastError says why.
    explicit Form1(HINSTANCE instance);
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    HWND window() const { return m_window; }

private:
    struct FontDeleter
    {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(HINSTANCE instance);
    void createControl(form::ControlId id, HINSTANCE instance);
    void addToolTips(HINSTANCE instance);
    void scaleTo(UINT dpi);
    HWND control(form::ControlId id) const;

    std::u16string textOf(form::ControlId box) const override;
    void replaceText(form::ControlId box, std::u16string_view text) override;
    void showMessage(std::u16string_view message) override;
    void announce(std::u16string_view text) override;

    HWND m_window = nullptr;
    std::array<HWND, form::kControlCount> m_controls{};
    HWND m_focusWhenActive = nullptr; // where the focus goes when the window is active again
    std::array<FontHandle, form::kControlCount> m_fonts;
};

} // namespace quennarix::win32
