#pragma once
// The main window as it was designed, for every front end: where each control sits, in twips
// (1/1440 inch) from the top-left corner of the client area, what it says, in which font, what a
// screen reader calls it, the Tab order and the menus. A front end builds its controls from these
// tables and restates none of it; it only converts twips to its own pixels.

#include <array>
#include <string_view>

namespace zelvanu::layout {

// 15 twips make one logical pixel at 96 dots per inch; Qt's high-DPI scaling takes it from
// there on denser screens, and the Windows window scales twips to its own DPI directly.
constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr std::string_view kWindowTitle = "Zelvanu";
constexpr int kClientWidth = 6480;
constexpr int kClientHeight = 2850;

// The font the "+", "=" and sign labels were designed in; every other control uses the
// window's default font, which each front end chooses for its platform.
constexpr std::string_view kDesignFontFamily = "ＭＳ Ｐゴシック";

enum class Align { Left, Center, Right };

struct Box {
    std::string_view name;
    int left, top, width, height;
    std::string_view caption = {};    // the fixed text of a label or button
    std::string_view spokenName = {}; // what a screen reader calls it, when not its caption
    double designFontPoints = 0;      // 0: the window's default font
    Align align = Align::Left;        // labels' text, always centred vertically
};

// A horizontal bar, from (x1, y) to (x2, y).
struct Bar {
    std::string_view name;
    int x1, y, x2;
};

// Text boxes: whole part, numerator, denominator of each operand.
constexpr std::array<Box, 6> kTextBoxes{{
    {"Text5", 120, 600, 615, 375, {}, "1つ目の数の整数部分"},
    {"Text3", 1080, 120, 495, 495, {}, "1つ目の数の分子"},
    {"Text1", 1080, 840, 495, 495, {}, "1つ目の数の分母"},
    {"Text6", 2280, 600, 615, 375, {}, "2つ目の数の整数部分"},
    {"Text4", 3120, 120, 495, 495, {}, "2つ目の数の分子"},
    {"Text2", 3120, 840, 495, 495, {}, "2つ目の数の分母"},
}};

// Labels: "+", "=", then the result's sign, whole part, numerator and denominator. The result
// reads like the operands: the whole part beside the bar, numerator and denominator centred over
// and under it. A result label's spoken name is its role; its value follows it (spokenLabel).
constexpr std::array<Box, 6> kLabels{{
    {"Label3", 1920, 480, 255, 495, "+", "たす", 24},
    {"Label4", 3960, 480, 255, 495, "=", "イコール", 24},
    {"Label5", 4320, 480, 255, 375, {}, "答えの符号", 21.75, Align::Center},
    {"Label6", 4680, 600, 615, 375, {}, "答えの整数部分", 0, Align::Right},
    {"Label2", 5520, 120, 735, 375, {}, "答えの分子", 0, Align::Center},
    {"Label1", 5520, 960, 735, 375, {}, "答えの分母", 0, Align::Center},
}};

constexpr std::array<Bar, 3> kBars{{
    {"Line1", 840, 720, 1800},
    {"Line2", 3000, 720, 3720},
    {"Line3", 5400, 720, 6360},
}};

// Quit, clear, calculate. A button speaks its caption.
constexpr std::array<Box, 3> kButtons{{
    {"Command3", 720, 1800, 975, 615, "終了"},
    {"Command2", 2760, 1800, 975, 615, "消す"},
    {"Command1", 4680, 1800, 1095, 615, "計算"},
}};

// Tab visits each operand's whole part, numerator and denominator, then quit, clear and
// calculate; the window opens with the focus on the first. Labels never take the focus, and no
// button is a default button: Enter in a box does not calculate.
constexpr std::array<std::string_view, 9> kTabOrder{
    "Text5", "Text3", "Text1", "Text6", "Text4", "Text2", "Command3", "Command2", "Command1",
};

// The menu bar: two menus of one item each, with no access keys and no shortcuts.
struct Menu {
    std::string_view name, caption;
    std::string_view itemName, itemCaption;
};
constexpr std::array<Menu, 2> kMenus{{
    {"MewnFile", "ファイル", "MenEnd", "終了"},
    {"MenHelp", "ヘルプ", "MenVer", "バージョン情報"},
}};

// The widest value a box is made to show whole: -32768 in a whole-part box, 32767 in a numerator
// or denominator box.
constexpr std::string_view widestValue(std::string_view textBox) {
    return textBox == "Text5" || textBox == "Text6" ? "-32768" : "32767";
}

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
