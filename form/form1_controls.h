#pragma once
// The main window as it was designed, for every front end: one row for each control, keyed by
// what the control is, with its design name, kind, place, caption, font, Tab position, what a
// screen reader calls it, the widest value a box shows whole and the command it runs. The
// control ids, the Tab order, the click dispatch and each front end's construction loop all
// read this table; nothing else lists the controls. Places are in twips (1/1440 inch) from the
// top-left corner of the client area; a front end only converts them to its own pixels. How the
// controls are rearranged for a tall, narrow screen is in form1_arrangement.h.

#include <array>
#include <cstddef>
#include <string_view>

namespace zelvanu {

// What each control is. The table below has one row for each, in this order.
enum class ControlId {
    FirstWhole,
    FirstNumerator,
    FirstDenominator,
    FirstBar,
    Plus,
    SecondWhole,
    SecondNumerator,
    SecondDenominator,
    SecondBar,
    Equals,
    ResultSign,
    ResultWhole,
    ResultNumerator,
    ResultBar,
    ResultDenominator,
    QuitButton,
    ClearButton,
    CalculateButton,
    WorkingArea,
    FileMenu,
    QuitItem,
    ViewMenu,
    WorkingItem,
    HelpMenu,
    VersionItem,
};

enum class ControlKind {
    TextBox,
    Label,       // a fixed text: "+" and "="
    ResultLabel, // shows a part of the answer; blank until there is one
    Bar,         // a horizontal line of the fraction, one pixel high, drawn at `top`
    Button,
    // Draws the working of the last calculation below the buttons, one line a step; the window
    // grows to show it while the working is turned on, and it never takes the focus.
    WorkingArea,
    Menu,     // a title of the menu bar
    MenuItem, // an item of the menu above it in the table
};

// What a click on a button or a menu item does (Form1Commands runs it).
enum class Command { None, Calculate, Clear, Quit, ShowVersion, ToggleWorking };

// The parts of the sum that stay together, with the design's spacing inside them, when the
// window is rearranged.
enum class Group {
    None,
    FirstOperand,
    Plus,
    SecondOperand,
    Equals,
    Result,
    Quit,
    Clear,
    Calculate,
};

enum class Align { Left, Center, Right };

struct Rect {
    int left, top, width, height;
};

struct Control {
    ControlId id;
    std::string_view name; // the design name, by which front ends and tests address it
    ControlKind kind;
    Group group;
    Rect rect = {};    // none for the menus
    int tabIndex = -1; // position in the Tab order; -1 for a control the focus never visits
    std::string_view caption = {};     // the fixed text of a label, button, menu or item
    std::string_view spokenName = {};  // what a screen reader calls it, when not its caption
    double designFontPoints = 0;       // 0: the window's default font
    Align align = Align::Left;         // labels' text, always centred vertically
    std::string_view widestValue = {}; // a box shows this whole: its longest value in range
    Command command = Command::None;
    bool checkable = false; // a menu item with a check mark, which its command sets
};

namespace layout {

// 15 twips make one logical pixel at 96 dots per inch; Qt's high-DPI scaling takes it from
// there on denser screens, and the Windows window scales twips to its own DPI directly.
constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr std::string_view kWindowTitle = "Zelvanu";
constexpr int kClientWidth = 6480;
constexpr int kClientHeight = 2850;
// While the working is shown, the client area reaches below the working area by the margin.
constexpr int kClientHeightWithWorking = 6240;

// The font the "+", "=" and sign labels were designed in; every other control uses the
// window's default font, which each front end chooses for its platform.
constexpr std::string_view kDesignFontFamily = "ＭＳ Ｐゴシック";

} // namespace layout

// Tab visits each operand's whole part, numerator and denominator, then quit, clear and
// calculate; the window opens with the focus on the first. No button is a default button: Enter
// in a box does not calculate. The working area lies below the buttons, the design's margin from
// them and from the window's sides, outside the designed client area. The result reads like the
// operands: the whole part beside the bar, numerator and denominator centred over and under it. A
// result label's spoken name is its role; its value follows it (spokenLabel). The menu bar has no
// access keys and no shortcuts.
// clang-format off
constexpr std::array kControls{
    Control{ControlId::FirstWhole, "Text5", ControlKind::TextBox, Group::FirstOperand,
            {120, 600, 615, 375}, 0, {}, "1つ目の数の整数部分", 0, Align::Left, "-32768"},
    Control{ControlId::FirstNumerator, "Text3", ControlKind::TextBox, Group::FirstOperand,
            {1080, 120, 495, 495}, 1, {}, "1つ目の数の分子", 0, Align::Left, "32767"},
    Control{ControlId::FirstDenominator, "Text1", ControlKind::TextBox, Group::FirstOperand,
            {1080, 840, 495, 495}, 2, {}, "1つ目の数の分母", 0, Align::Left, "32767"},
    Control{ControlId::FirstBar, "Line1", ControlKind::Bar, Group::FirstOperand,
            {840, 720, 960, 0}},
    Control{ControlId::Plus, "Label3", ControlKind::Label, Group::Plus,
            {1920, 480, 255, 495}, -1, "+", "たす", 24},
    Control{ControlId::SecondWhole, "Text6", ControlKind::TextBox, Group::SecondOperand,
            {2280, 600, 615, 375}, 3, {}, "2つ目の数の整数部分", 0, Align::Left, "-32768"},
    Control{ControlId::SecondNumerator, "Text4", ControlKind::TextBox, Group::SecondOperand,
            {3120, 120, 495, 495}, 4, {}, "2つ目の数の分子", 0, Align::Left, "32767"},
    Control{ControlId::SecondDenominator, "Text2", ControlKind::TextBox, Group::SecondOperand,
            {3120, 840, 495, 495}, 5, {}, "2つ目の数の分母", 0, Align::Left, "32767"},
    Control{ControlId::SecondBar, "Line2", ControlKind::Bar, Group::SecondOperand,
            {3000, 720, 720, 0}},
    Control{ControlId::Equals, "Label4", ControlKind::Label, Group::Equals,
            {3960, 480, 255, 495}, -1, "=", "イコール", 24},
    Control{ControlId::ResultSign, "Label5", ControlKind::ResultLabel, Group::Result,
            {4320, 480, 255, 375}, -1, {}, "答えの符号", 21.75, Align::Center},
    Control{ControlId::ResultWhole, "Label6", ControlKind::ResultLabel, Group::Result,
            {4680, 600, 615, 375}, -1, {}, "答えの整数部分", 0, Align::Right},
    Control{ControlId::ResultNumerator, "Label2", ControlKind::ResultLabel, Group::Result,
            {5520, 120, 735, 375}, -1, {}, "答えの分子", 0, Align::Center},
    Control{ControlId::ResultBar, "Line3", ControlKind::Bar, Group::Result,
            {5400, 720, 960, 0}},
    Control{ControlId::ResultDenominator, "Label1", ControlKind::ResultLabel, Group::Result,
            {5520, 960, 735, 375}, -1, {}, "答えの分母", 0, Align::Center},
    Control{ControlId::QuitButton, "Command3", ControlKind::Button, Group::Quit,
            {720, 1800, 975, 615}, 6, "終了", {}, 0, Align::Center, {}, Command::Quit},
    Control{ControlId::ClearButton, "Command2", ControlKind::Button, Group::Clear,
            {2760, 1800, 975, 615}, 7, "消す", {}, 0, Align::Center, {}, Command::Clear},
    Control{ControlId::CalculateButton, "Command1", ControlKind::Button, Group::Calculate,
            {4680, 1800, 1095, 615}, 8, "計算", {}, 0, Align::Center, {}, Command::Calculate},
    Control{ControlId::WorkingArea, "PicWorking", ControlKind::WorkingArea, Group::None,
            {120, 2535, 6240, 3585}, -1, {}, "途中の式"},
    Control{ControlId::FileMenu, "MewnFile", ControlKind::Menu, Group::None, {}, -1, "ファイル"},
    Control{ControlId::QuitItem, "MenEnd", ControlKind::MenuItem, Group::None, {}, -1, "終了",
            {}, 0, Align::Left, {}, Command::Quit},
    Control{ControlId::ViewMenu, "MenView", ControlKind::Menu, Group::None, {}, -1, "表示"},
    Control{ControlId::WorkingItem, "MenWorking", ControlKind::MenuItem, Group::None, {}, -1,
            "途中の式", {}, 0, Align::Left, {}, Command::ToggleWorking, true},
    Control{ControlId::HelpMenu, "MenHelp", ControlKind::Menu, Group::None, {}, -1, "ヘルプ"},
    Control{ControlId::VersionItem, "MenVer", ControlKind::MenuItem, Group::None, {}, -1,
            "バージョン情報", {}, 0, Align::Left, {}, Command::ShowVersion},
};
// clang-format on

constexpr const Control& control(ControlId id) {
    return kControls[static_cast<std::size_t>(id)];
}

// The control with this design name, or nullptr.
constexpr const Control* controlNamed(std::string_view name) {
    for (const Control& c : kControls)
        if (c.name == name)
            return &c;
    return nullptr;
}

// How many rows the predicate holds for.
template <typename Predicate> constexpr std::size_t countWhere(Predicate holds) {
    std::size_t n = 0;
    for (const Control& c : kControls)
        n += holds(c);
    return n;
}

constexpr bool isTabStop(const Control& c) {
    return c.tabIndex >= 0;
}

// The controls of one kind, in the table's order.
template <ControlKind kind> constexpr auto controlsOf() {
    std::array<ControlId, countWhere([](const Control& c) { return c.kind == kind; })> ids{};
    std::size_t n = 0;
    for (const Control& c : kControls)
        if (c.kind == kind)
            ids[n++] = c.id;
    return ids;
}

// The controls that take the focus, in Tab order.
constexpr auto tabOrder() {
    std::array<ControlId, countWhere(isTabStop)> order{};
    for (const Control& c : kControls)
        if (isTabStop(c))
            order[static_cast<std::size_t>(c.tabIndex)] = c.id;
    return order;
}

// What a front end can rely on: the rows are in the enum's order, each Tab position is taken
// once, every place is a whole number of pixels and every box names its widest value.
constexpr bool wholePixels(int twips) {
    return twips % layout::kTwipsPerPixel == 0;
}
constexpr bool tableIsSound() {
    bool ok = wholePixels(layout::kClientWidth) && wholePixels(layout::kClientHeight) &&
              wholePixels(layout::kClientHeightWithWorking);
    std::array<int, kControls.size()> tabUses{};
    bool menuAbove = false;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& c = kControls[i];
        ok = ok && static_cast<std::size_t>(c.id) == i && wholePixels(c.rect.left) &&
             wholePixels(c.rect.top) && wholePixels(c.rect.width) && wholePixels(c.rect.height);
        ok = ok && (c.kind != ControlKind::TextBox || !c.widestValue.empty());
        ok = ok && (c.kind != ControlKind::MenuItem || menuAbove);
        ok = ok && (c.kind != ControlKind::WorkingArea ||
                    c.rect.top + c.rect.height + c.rect.left == layout::kClientHeightWithWorking);
        menuAbove = menuAbove || c.kind == ControlKind::Menu;
        if (isTabStop(c))
            ok = ok && c.tabIndex < static_cast<int>(tabUses.size()) && tabUses[c.tabIndex]++ == 0;
    }
    return ok;
}
static_assert(tableIsSound());

} // namespace zelvanu
