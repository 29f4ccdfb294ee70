#pragma once
// Scaling the designed window to a screen: twips and points to the pixels of a DPI. The window's
// geometry and fonts all go through here, at creation and whenever the window moves to a screen
// of another DPI.

#include <windows.h>

#include <cmath>

namespace zelvanu::win {

constexpr UINT kDefaultDpi = 96;

inline int twipsToPixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// A font height (LOGFONT lfHeight: negative, the em height) of `points` at the DPI, rounded to
// the nearest pixel, so that 21.75 points stays apart from 22 where the DPI can tell them apart.
inline LONG fontHeight(double points, UINT dpi) {
    return -std::lround(points * dpi / 72.0);
}

} // namespace zelvanu::win
