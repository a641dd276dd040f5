#include "win32/message_box.hpp"

#include "version.hpp"
#include "win32/wide_text.hpp"

namespace quennarix::win32 {

void showMessageBox(HWND owner, std::u16string_view message)
{
    MessageBoxW(owner, toWide(message).c_str(), L"" QUENNARIX_TITLE, MB_OK);
}

} // namespace quennarix::win32
