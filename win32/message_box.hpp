#pragma once

#include <string_view>
#include <windows.h>

namespace quennarix::win32 {

// A modal box owned by `owner` with the message, one OK button and no icon,
// titled with the application's name. Returns when the user has dismissed it.
void showMessageBox(HWND owner, std::u16string_view message);

} // namespace quennarix::win32
