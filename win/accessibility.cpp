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

// COM is loaded when it is first needed rather than with the program: loading its libraries
// at start would cost more than building the whole window.
struct Com {
    HMODULE library = LoadLibraryW(L"ole32.dll");
    decltype(&CoInitializeEx) initialize = procedure<decltype(&CoInitializeEx)>("CoInitializeEx");
    decltype(&CoCreateInstance) createInstance =
        procedure<decltype(&CoCreateInstance)>("CoCreateInstance");
    decltype(&CoUninitialize) uninitialize = procedure<decltype(&CoUninitialize)>("CoUninitialize");

    template <typename Function> Function procedure(const char* name) const {
        // Through the generic function pointer type, which any function pointer converts from.
        using Generic = void (*)();
        return library ? reinterpret_cast<Function>(
                             reinterpret_cast<Generic>(GetProcAddress(library, name)))
                       : nullptr;
    }
    bool usable() const { return initialize && createInstance && uninitialize; }
};

Com& com() {
    static Com loaded;
    return loaded;
}

} // namespace

void Accessibility::start() {
    if (m_comStarted || !com().usable())
        return;
    m_comStarted = SUCCEEDED(com().initialize(nullptr, COINIT_APARTMENTTHREADED));
    void* services = nullptr;
    if (SUCCEEDED(com().createInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IAccPropServices, &services)))
        m_services = static_cast<IAccPropServices*>(services);
}

Accessibility::~Accessibility() {
    if (m_services)
        m_services->Release();
    if (m_comStarted)
        com().uninitialize();
}

void Accessibility::setName(HWND control, const std::wstring& name) {
    m_names[control] = name;
    if (m_services)
        m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_NAME, name.c_str());
}

std::wstring Accessibility::name(HWND control) const {
    const auto it = m_names.find(control);
    return it == m_names.end() ? std::wstring() : it->second;
}

void Accessibility::makeLiveRegion(HWND control) {
    if (!m_services)
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kLivePolite;
    m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            kLiveSettingProperty, polite);
}

void Accessibility::announce(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zelvanu::win
