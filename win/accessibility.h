#pragma once
// What a screen reader learns about the window beyond the standard controls' own names: the
// spoken names of the boxes, the signs and the result labels (Dynamic Annotation through
// IAccPropServices), and the answer region, a UI Automation live region that Narrator and NVDA
// read out whole, without the user moving, each time it is announced. Starting COM costs more
// than the rest of the window's start-up, so the window starts this once it has been painted.
// Until then, and where the service is missing, the window works the same and only these names
// are not given.

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

    // Starts COM on this thread and reaches the annotation service.
    void start();
    void setName(HWND control, const std::wstring& name);
    // The name last given to the control, whether or not the service took it.
    std::wstring name(HWND control) const;
    // Marks the control as a polite live region.
    void makeLiveRegion(HWND control);
    // Tells screen readers that the live region changed and should be read again.
    static void announce(HWND control);

private:
    IAccPropServices* m_services = nullptr;
    std::map<HWND, std::wstring> m_names;
    bool m_comStarted = false;
};

} // namespace zelvanu::win
