#pragma once
// Where every control of the main window sits, in twips (1/1440 inch) from the top-left corner
// of the client area, exactly as the window was designed. This is the one place to check the
// layout; Form1 converts it to pixels with twipsToPixels and nothing else.

#include <array>
#include <string_view>

namespace zelvanu::layout {

// 15 twips make one logical pixel at 96 dots per inch; Qt's high-DPI scaling takes it from
// there on denser screens.
constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr int kClientWidth = 6480;
constexpr int kClientHeight = 2850;

struct Box {
    std::string_view name;
    int left, top, width, height;
};

// A horizontal bar, from (x1, y) to (x2, y).
struct Bar {
    std::string_view name;
    int x1, y, x2;
};

// Text boxes: whole part, numerator, denominator of each operand.
constexpr std::array<Box, 6> kTextBoxes{{
    {"Text5", 120, 600, 615, 375},
    {"Text3", 1080, 120, 495, 495},
    {"Text1", 1080, 840, 495, 495},
    {"Text6", 2280, 600, 615, 375},
    {"Text4", 3120, 120, 495, 495},
    {"Text2", 3120, 840, 495, 495},
}};

// Labels: "+", "=", then the result's sign, whole part, numerator and denominator.
constexpr std::array<Box, 6> kLabels{{
    {"Label3", 1920, 480, 255, 495},
    {"Label4", 3960, 480, 255, 495},
    {"Label5", 4320, 480, 255, 375},
    {"Label6", 4680, 600, 615, 375},
    {"Label2", 5520, 120, 735, 375},
    {"Label1", 5520, 960, 735, 375},
}};

constexpr std::array<Bar, 3> kBars{{
    {"Line1", 840, 720, 1800},
    {"Line2", 3000, 720, 3720},
    {"Line3", 5400, 720, 6360},
}};

// Quit, clear, calculate.
constexpr std::array<Box, 3> kButtons{{
    {"Command3", 720, 1800, 975, 615},
    {"Command2", 2760, 1800, 975, 615},
    {"Command1", 4680, 1800, 1095, 615},
}};

// The box of the control with this name; an unknown name is a programming error.
constexpr Box boxNamed(std::string_view name) {
    for (const auto& group : {kTextBoxes, kLabels})
        for (const Box& b : group)
            if (b.name == name)
                return b;
    for (const Box& b : kButtons)
        if (b.name == name)
            return b;
    throw "no such control"; // not constant: fails the build when evaluated at compile time
}

constexpr Bar barNamed(std::string_view name) {
    for (const Bar& b : kBars)
        if (b.name == name)
            return b;
    throw "no such bar";
}

// Every value above is a whole number of pixels; a typo that breaks that shows up here.
constexpr bool wholePixels(int twips) {
    return twips % kTwipsPerPixel == 0;
}
constexpr bool allWholePixels() {
    bool ok = wholePixels(kClientWidth) && wholePixels(kClientHeight);
    for (const auto& group : {kTextBoxes, kLabels})
        for (const Box& b : group)
            ok = ok && wholePixels(b.left) && wholePixels(b.top) && wholePixels(b.width) &&
                 wholePixels(b.height);
    for (const Box& b : kButtons)
        ok = ok && wholePixels(b.left) && wholePixels(b.top) && wholePixels(b.width) &&
             wholePixels(b.height);
    for (const Bar& b : kBars)
        ok = ok && wholePixels(b.x1) && wholePixels(b.y) && wholePixels(b.x2);
    return ok;
}
static_assert(allWholePixels());

} // namespace zelvanu::layout
