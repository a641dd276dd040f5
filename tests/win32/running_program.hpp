#pragma once

#include "font_probe.hpp"
#include "form/control_id.hpp"

#include <string>
#include <vector>
#include <windows.h>

// The real quennarix.exe, started and read from outside through window
// messages, as an assistive tool or a test robot would.
namespace quennarix::testing {

std::wstring widen(const char *ascii);
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
void setText(HWND box, const std::wstring &text);
// Posted, not sent: a click that opens the modal box would block the sender.
void click(HWND button);
void press(HWND window, WPARAM key, bool extended = false);
std::vector<HWND> topLevelWindowsOf(DWORD process);

template <class Condition> bool waitFor(Condition condition, DWORD milliseconds = 5000)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 10) {
        if (condition())
            return true;
        Sleep(10);
    }
    return condition();
}

class RunningProgram
{
public:
    explicit RunningProgram(const std::wstring &exe);
    ~RunningProgram();
    RunningProgram(const RunningProgram &) = delete;
    RunningProgram &operator=(const RunningProgram &) = delete;

    HWND form() const { return m_form; }
    HWND control(form::ControlId id) const;
    HWND focus() const;
    HWND messageBox() const;
    // Each child's font and the ink of its caption, read inside the program.
    bool probeFonts(ProbeResult &result) const;
    // Asks the window to close; the program's exit status, or STILL_ACTIVE.
    DWORD close();

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HWND m_form = nullptr;
};

} // namespace quennarix::testing
