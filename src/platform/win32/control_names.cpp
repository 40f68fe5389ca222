// Accessible names through IAccPropServices (see control_names.h).
#include "platform/win32/control_names.h"

#include "platform/accessible_names.h"
#include "platform/win32/codepage.h"
#include "platform/win32/system_function.h"

#include <oleacc.h>

namespace os {

namespace {

const wchar_t *const comLibrary = L"ole32.dll";

struct Naming {
    IAccPropServices *service;
    int dialogId;
};

BOOL CALLBACK nameControl(HWND control, LPARAM context) {
    const Naming &naming = *reinterpret_cast<const Naming *>(context);
    const char *name = accessibleName(naming.dialogId, GetDlgCtrlID(control));
    if (name != nullptr)
        naming.service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       PROPID_ACC_NAME, utf16FromSystem(name).c_str());
    return TRUE;
}

} // namespace

HRESULT startCom() {
    static const auto initialize = systemFunction<decltype(&CoInitializeEx)>(comLibrary, "CoInitializeEx");
    return initialize != nullptr ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
}

void endCom() {
    static const auto uninitialize = systemFunction<decltype(&CoUninitialize)>(comLibrary, "CoUninitialize");
    if (uninitialize != nullptr)
        uninitialize();
}

void nameControls(HWND dialog, int dialogId) {
    static const auto createInstance =
        systemFunction<decltype(&CoCreateInstance)>(comLibrary, "CoCreateInstance");
    IAccPropServices *service = nullptr;
    if (createInstance == nullptr ||
        FAILED(createInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                              reinterpret_cast<void **>(&service))))
        return;
    Naming naming{service, dialogId};
    EnumChildWindows(dialog, nameControl, reinterpret_cast<LPARAM>(&naming));
    service->Release();
}

} // namespace os
