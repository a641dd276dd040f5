#include "win32/accessibility.hpp"

#include <oleacc.h>

namespace quennarix::win32 {

void setAccessibleName(HWND control, const std::wstring &name)
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void **>(&services))))
        return;
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, name.c_str());
    services->Release();
}

} // namespace quennarix::win32
