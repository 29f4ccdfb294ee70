#include "win/accessibility.h"

#include <initguid.h>

#include <oleacc.h>

namespace zelvanu::win {

namespace {

// UI Automation's LiveSetting property and its value Polite, as Microsoft documents them;
// MinGW-w64's headers do not carry the UI Automation property GUIDs.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG kLivePolite = 1;

} // namespace

Accessibility::Accessibility() {
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services)))
        m_services = static_cast<IAccPropServices*>(services);
}

Accessibility::~Accessibility() {
    if (m_services)
        m_services->Release();
}

void Accessibility::setName(HWND control, const std::wstring& name) {
    if (m_services)
        m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_NAME, name.c_str());
}

void Accessibility::makeLiveRegion(HWND control) {
    if (!m_services)
        return;
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = kLivePolite;
    m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            kLiveSettingProperty, polite);
}

void Accessibility::announce(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zelvanu::win
