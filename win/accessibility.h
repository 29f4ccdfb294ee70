#pragma once
// What a screen reader learns about the window beyond the standard controls' own names: the
// spoken names of the boxes, the signs and the result labels (Dynamic Annotation through
// IAccPropServices), and the answer region, a UI Automation live region that Narrator and NVDA
// read out whole, without the user moving, each time it is announced. Starting COM and reaching
// the service costs more than the rest of the window's start-up, so it happens on a thread of its
// own once the shown window has answered, and the window answers the user meanwhile. Until then,
// and where the service is missing, the window works the same and only these names are not
// given. The window's thread never waits for that thread: a screen reader may ask the window
// something while the service is being reached.

#include <windows.h>

#include <atomic>
#include <map>
#include <string>

struct IAccPropServices;

namespace zelvanu::win {

class Accessibility {
public:
    // Posted to the window once the service is reached; the window passes it to reached().
    static constexpr UINT kReachedMessage = WM_APP + 1;

    Accessibility() = default;
    ~Accessibility();
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;

    // Starts the thread that reaches the service, for the window's controls; `liveRegion`
    // becomes a polite live region once it is reached.
    void start(HWND window, HWND liveRegion);
    // On the window's thread, at kReachedMessage: gives the names set so far to the service,
    // and from now on each as it is set. Once only; a stray message does nothing.
    void reached();
    void setName(HWND control, const std::wstring& name);
    // The name last given to the control, whether or not the service took it.
    std::wstring name(HWND control) const;
    // Tells screen readers that the live region changed and should be read again.
    static void announce(HWND control);

    // Tests only: run on the service thread before it starts COM, as a screen reader's hook
    // that asks the window something first would be.
    static inline void (*beforeReachingForTests)() = nullptr;

private:
    static DWORD WINAPI serve(void* self);

    std::map<HWND, std::wstring> m_names; // the window's thread only
    HWND m_window = nullptr;
    HWND m_liveRegion = nullptr;
    HANDLE m_thread = nullptr;
    HANDLE m_stop = nullptr; // set by the destructor: release the service, end COM
    // Set by the thread before it posts kReachedMessage; kept until the thread ends.
    std::atomic<IAccPropServices*> m_found = nullptr;
    // The window thread's own: the service once reached() has given it the names.
    IAccPropServices* m_services = nullptr;
};

} // namespace zelvanu::win
