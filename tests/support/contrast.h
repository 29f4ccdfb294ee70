#pragma once
// The contrast ratio of two sRGB colours as WCAG defines it, from 1 (the same) to 21 (black and
// white): what the window tests ask of the ink a person must see against the window's face.

#include <algorithm>
#include <cmath>

namespace zelvanu::test {

inline double relativeLuminance(int red, int green, int blue) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

// Colours as 0xRRGGBB.
inline double contrastRatio(unsigned a, unsigned b) {
    const auto luminance = [](unsigned c) {
        return relativeLuminance(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace zelvanu::test
