#include "win32/announcer.hpp"

#include <oleauto.h>
#include <uiautomationcore.h>

namespace quennarix::win32 {

namespace {

// From the Windows SDK's UIAutomationCoreApi.h, which MinGW-w64 lacks.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingImportantMostRecent = 1;

using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, int, int, BSTR, BSTR);

template <class Function> Function lookUp(HMODULE module, const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

} // namespace

void announce(HWND window, const std::wstring &text)
{
    // Looked up, not imported, so that Windows 7 still starts the program.
    static const HMODULE uia =
        LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    static const auto hostProvider = lookUp<HostProviderFromHwnd>(uia, "UiaHostProviderFromHwnd");
    static const auto raise = lookUp<RaiseNotificationEvent>(uia, "UiaRaiseNotificationEvent");
    IRawElementProviderSimple *provider = nullptr;
    if (raise == nullptr || hostProvider == nullptr || FAILED(hostProvider(window, &provider)))
        return;
    BSTR displayString = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(L"Quennarix.Answer");
    raise(provider, kNotificationKindActionCompleted, kNotificationProcessingImportantMostRecent,
          displayString, activity);
    SysFreeString(activity);
    SysFreeString(displayString);
    provider->Release();
}

} // namespace quennarix::win32
