#pragma once

#include <string>
#include <windows.h>

namespace quennarix::win32 {

// Gives `control` the name screen readers announce, in place of its caption.
// Needs COM on the calling thread; without it the control keeps its caption.
void setAccessibleName(HWND control, const std::wstring &name);

} // namespace quennarix::win32
