#pragma once
// What a screen reader learns about the window beyond the standard controls' own names: the
// spoken names of the boxes, the signs and the result labels (Dynamic Annotation through
// IAccPropServices), and the answer region, a UI Automation live region that Narrator and NVDA
// read out whole, without the user moving, each time it is announced. Starting COM and reaching
// the service costs more than the rest of the window's start-up, so it happens on a thread of its
// own once the shown window has answered, and the window answers the user meanwhile. Until then,
// and where the service is missing, the window works the same and only these names are not
// given.

#include <windows.h>

#include <map>
#include <string>

struct IAccPropServices;

namespace zelvanu::win {

class Accessibility {
public:
    Accessibility() = default;
    ~Accessibility();
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;

    // Gives the names set so far, and from now on each as it is set, to the service, and marks
    // the control as a polite live region; COM starts on a thread that lives as long as this.
    void start(HWND liveRegion);
    void setName(HWND control, const std::wstring& name);
    // The name last given to the control, whether or not the service took it.
    std::wstring name(HWND control) const;
    // Tells screen readers that the live region changed and should be read again.
    static void announce(HWND control);

private:
    static DWORD WINAPI serve(void* self);
    // The service once the thread has reached it (or found it missing); null before start().
    IAccPropServices* services();

    std::map<HWND, std::wstring> m_names;
    HWND m_liveRegion = nullptr;
    HANDLE m_thread = nullptr;
    HANDLE m_ready = nullptr; // set by the thread once m_services is final
    HANDLE m_stop = nullptr;  // set by the destructor: release the service, end COM
    IAccPropServices* m_services = nullptr;
};

} // namespace zelvanu::win
