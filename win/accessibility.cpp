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

// A screen reader that read the control before this name came reads it again.
void giveName(IAccPropServices* service, HWND control, const std::wstring& name) {
    service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            PROPID_ACC_NAME, name.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace

void Accessibility::start(HWND window, HWND liveRegion) {
    if (m_thread)
        return;
    m_window = window;
    m_liveRegion = liveRegion;
    m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_stop)
        m_thread = CreateThread(nullptr, 0, serve, this, 0, nullptr);
}

// The thread joins the process's multithreaded apartment, so that the window's thread may call
// the service, and hands it over through the window's queue: it touches nothing the window's
// thread uses, and the window's thread never waits for it.
DWORD WINAPI Accessibility::serve(void* data) {
    auto* self = static_cast<Accessibility*>(data);
    if (beforeReachingForTests)
        beforeReachingForTests();
    const bool started =
        com().usable() && SUCCEEDED(com().initialize(nullptr, COINIT_MULTITHREADED));
    void* services = nullptr;
    if (started &&
        SUCCEEDED(com().createInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IAccPropServices, &services))) {
        self->m_found.store(static_cast<IAccPropServices*>(services), std::memory_order_release);
        PostMessageW(self->m_window, kReachedMessage, 0, 0);
    }
    WaitForSingleObject(self->m_stop, INFINITE);
    if (services)
        static_cast<IAccPropServices*>(services)->Release();
    if (started)
        com().uninitialize();
    return 0;
}

void Accessibility::reached() {
    IAccPropServices* const service = m_found.load(std::memory_order_acquire);
    if (m_services || !service)
        return;
    m_services = service;
    for (const auto& [control, name] : m_names)
        giveName(service, control, name);
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kLivePolite;
    service->SetHwndProp(m_liveRegion, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                         kLiveSettingProperty, polite);
}

Accessibility::~Accessibility() {
    if (m_thread) {
        SetEvent(m_stop);
        // The thread may still be reaching the service, which may send this thread a message
        // first: what is sent is answered while waiting.
        while (MsgWaitForMultipleObjects(1, &m_thread, FALSE, INFINITE, QS_SENDMESSAGE) ==
               WAIT_OBJECT_0 + 1) {
            MSG sent;
            PeekMessageW(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        CloseHandle(m_thread);
    }
    if (m_stop)
        CloseHandle(m_stop);
}

void Accessibility::setName(HWND control, const std::wstring& name) {
    m_names[control] = name;
    if (m_services)
        giveName(m_services, control, name);
}

std::wstring Accessibility::name(HWND control) const {
    const auto it = m_names.find(control);
    return it == m_names.end() ? std::wstring() : it->second;
}

void Accessibility::announce(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zelvanu::win
