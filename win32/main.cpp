#include "version.hpp"
#include "win32/form1.hpp"

#include <commctrl.h>
#include <objbase.h>
#include <string>
#include <windows.h>

namespace {

int failToStart(DWORD error)
{
    const std::wstring text =
        L"The window could not be created (error " + std::to_wstring(error) + L").";
    MessageBoxW(nullptr, text.c_str(), L"" QUENNARIX_TITLE, MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // Accessible names are set through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    int status = 0;
    {
        quennarix::win32::Form1 form(instance);
        if (form.window() == nullptr) {
            status = failToStart(GetLastError());
        } else {
            ShowWindow(form.window(), showCommand);
            MSG message{};
            BOOL got = 0;
            while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
                // Gives Tab and Shift+Tab between the controls, and Space on a button.
                if (!IsDialogMessageW(form.window(), &message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
            // -1: the queue failed, and no WM_QUIT carries a status.
            status = got == 0 ? static_cast<int>(message.wParam) : 1;
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
