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

void giveName(IAccPropServices* service, HWND control, const std::wstring& name) {
    service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            PROPID_ACC_NAME, name.c_str());
}

} // namespace

void Accessibility::start(HWND liveRegion) {
    if (m_thread)
        return;
    m_liveRegion = liveRegion;
    m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_ready && m_stop)
        m_thread = CreateThread(nullptr, 0, serve, this, 0, nullptr);
}

// The thread joins the process's multithreaded apartment, so that the window's thread may call
// the service too, and gives it what was set before it was reached. Until m_ready the window's
// thread only records names; m_names and m_liveRegion are not touched here after that.
DWORD WINAPI Accessibility::serve(void* data) {
    auto* self = static_cast<Accessibility*>(data);
    const bool started =
        com().usable() && SUCCEEDED(com().initialize(nullptr, COINIT_MULTITHREADED));
    void* services = nullptr;
    if (started &&
        SUCCEEDED(com().createInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IAccPropServices, &services))) {
        auto* service = static_cast<IAccPropServices*>(services);
        // A screen reader that read the focused box before its name was given reads it again.
        for (const auto& [control, name] : self->m_names) {
            giveName(service, control, name);
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
        }
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kLivePolite;
        service->SetHwndProp(self->m_liveRegion, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             kLiveSettingProperty, polite);
        self->m_services = service;
    }
    SetEvent(self->m_ready);
    WaitForSingleObject(self->m_stop, INFINITE);
    if (self->m_services)
        self->m_services->Release();
    if (started)
        com().uninitialize();
    return 0;
}

IAccPropServices* Accessibility::services() {
    if (!m_thread)
        return nullptr;
    WaitForSingleObject(m_ready, INFINITE); // at once, once it is set
    return m_services;
}

Accessibility::~Accessibility() {
    if (m_thread) {
        SetEvent(m_stop);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
    for (HANDLE event : {m_ready, m_stop})
        if (event)
            CloseHandle(event);
}

void Accessibility::setName(HWND control, const std::wstring& name) {
    // Waits for the thread first: it reads the names until it has reached the service.
    IAccPropServices* const service = services();
    m_names[control] = name;
    if (service)
        giveName(service, control, name);
}

std::wstring Accessibility::name(HWND control) const {
    const auto it = m_names.find(control);
    return it == m_names.end() ? std::wstring() : it->second;
}

void Accessibility::announce(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zelvanu::win
