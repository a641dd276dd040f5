#pragma once

#include <windows.h>

// A window's GDI fonts can only be read inside its own process, so the driver
// hooks font_probe.dll into the program's thread. Posting kProbeMessage to a
// window then fills the shared section with each child's font and the size of
// the ink its text leaves in that font, and signals kProbeDone.
namespace quennarix::testing {

inline constexpr wchar_t kProbeMessage[] = L"Quennarix.FontProbe";
inline constexpr wchar_t kProbeSection[] = L"Quennarix.FontProbe.Section";
inline constexpr wchar_t kProbeDone[] = L"Quennarix.FontProbe.Done";

struct ProbedControl
{
    int id;
    LOGFONTW font;
    SIZE ink;
};

struct ProbeResult
{
    bool classIcons; // the window's class has a large and a small icon
    int count;
    ProbedControl controls[16];
};

} // namespace quennarix::testing
