// The Windows window in-process: its layout and fonts at two DPIs, Tab order and keys, menus,
// and the commands as a user gives them, with the message boxes recorded instead of shown (one
// real box is closed from a timer).

#include "form/form1_commands.h"
#include "form/form1_controls.h"
#include "support/contrast.h"
#include "win/command_line.h"
#include "win/control_ids.h"
#include "win/dpi.h"
#include "win/form1.h"
#include "win/message_boxes.h"
#include "win/wide_text.h"
#include "zelvanu_version.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zelvanu::win {
namespace {

struct RecordedBox {
    std::wstring text, title;
    MessageIcon icon;
    HWND owner;
};

class RecordingBoxes final : public MessageBoxes {
public:
    void show(HWND owner, const std::wstring& text, const std::wstring& title,
              MessageIcon icon) override {
        boxes.push_back({text, title, icon, owner});
    }
    std::vector<RecordedBox> boxes;
};

// The name changes screen readers are told of, by control, since the window was shown.
std::map<HWND, int> g_nameChanges;
void CALLBACK onNameChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        ++g_nameChanges[hwnd];
}

class Window : public testing::Test {
protected:
    void SetUp() override {
        g_nameChanges.clear();
        nameChanges =
            SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, onNameChange,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        form.show(SW_SHOWNORMAL);
        SetForegroundWindow(form.hwnd());
        pump();
        // The names come with the first timer message once the window has answered.
        pumpUntil([this] { return !form.accessibility().name(at("Text5")).empty(); });
    }

    // Delivers what comes until `done` holds, for 10 s at most.
    template <typename Done> void pumpUntil(Done done) {
        for (int i = 0; i < 1000 && !done(); ++i) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            pump();
        }
    }

    // Delivers what is queued the way the program's loop does; notes the end of the loop.
    void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quitStatus = static_cast<int>(msg.wParam);
                continue;
            }
            if (!form.preTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }

    void press(HWND target, WPARAM key) {
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, 1 | (3u << 30));
        pump();
    }

    HWND at(std::string_view name) { return form.control(name); }
    // Chooses the menu item with the caption, by the id the menu bar itself holds for it.
    void choose(const wchar_t* caption) {
        HMENU bar = GetMenu(form.hwnd());
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            HMENU popup = GetSubMenu(bar, i);
            for (int j = 0; j < GetMenuItemCount(popup); ++j) {
                wchar_t text[64] = {};
                GetMenuStringW(popup, static_cast<UINT>(j), text, 64, MF_BYPOSITION);
                if (std::wstring(text) == caption) {
                    SendMessageW(form.hwnd(), WM_COMMAND, GetMenuItemID(popup, j), 0);
                    pump();
                    return;
                }
            }
        }
        ADD_FAILURE() << "no menu item " << narrow(caption);
    }
    std::wstring textOf(HWND hwnd) {
        wchar_t buffer[256] = {};
        GetWindowTextW(hwnd, buffer, 256);
        return buffer;
    }
    void type(std::string_view box, const wchar_t* text) { SetWindowTextW(at(box), text); }
    void click(std::string_view button) {
        SendMessageW(at(button), BM_CLICK, 0, 0);
        pump();
    }
    // Sign, whole part, numerator, denominator, as shown.
    std::vector<std::wstring> result() {
        return {textOf(at("Label5")), textOf(at("Label6")), textOf(at("Label2")),
                textOf(at("Label1"))};
    }

    void TearDown() override { UnhookWinEvent(nameChanges); }

    RecordingBoxes boxes;
    Form1 form{GetModuleHandleW(nullptr), boxes};
    int quitStatus = -1;
    HWINEVENTHOOK nameChanges = nullptr;
};

RECT clientRect(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

class Layout : public Window, public testing::WithParamInterface<UINT> {};

TEST_P(Layout, PlacesEveryControlAndFontAtTheDpi) {
    const UINT dpi = GetParam();
    if (dpi != form.dpi()) {
        RECT suggested{10, 10, 600, 400};
        SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    ASSERT_EQ(form.dpi(), dpi);
    const auto px = [dpi](int twips) {
        return MulDiv(twips, static_cast<int>(dpi), 1440);
    };
    // The design, in twips: left, top, width, height, and the design font's size in points.
    const struct {
        const char* name;
        int left, top, width, height;
        double points;
    } design[] = {
        {"Text5", 120, 600, 615, 375, 0},       {"Text3", 1080, 120, 495, 495, 0},
        {"Text1", 1080, 840, 495, 495, 0},      {"Label3", 1920, 480, 255, 495, 24},
        {"Text6", 2280, 600, 615, 375, 0},      {"Text4", 3120, 120, 495, 495, 0},
        {"Text2", 3120, 840, 495, 495, 0},      {"Label4", 3960, 480, 255, 495, 24},
        {"Label5", 4320, 480, 255, 375, 21.75}, {"Label6", 4680, 600, 615, 375, 0},
        {"Label2", 5520, 120, 735, 375, 0},     {"Label1", 5520, 960, 735, 375, 0},
        {"Command3", 720, 1800, 975, 615, 0},   {"Command2", 2760, 1800, 975, 615, 0},
        {"Command1", 4680, 1800, 1095, 615, 0}, {"PicWorking", 120, 2535, 6240, 3585, 0},
    };
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, px(layout::kClientWidth));
    EXPECT_EQ(client.bottom, px(layout::kClientHeight));
    for (const auto& box : design) {
        const RECT r = clientRect(at(box.name));
        EXPECT_EQ(r.left, px(box.left)) << box.name;
        EXPECT_EQ(r.top, px(box.top)) << box.name;
        EXPECT_EQ(r.right, px(box.left + box.width)) << box.name;
        EXPECT_EQ(r.bottom, px(box.top + box.height)) << box.name;
        const LOGFONTW font = fontOf(at(box.name));
        if (box.points > 0) {
            EXPECT_EQ(font.lfHeight, fontHeight(box.points, dpi)) << box.name;
            EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
            EXPECT_EQ(font.lfWeight, FW_NORMAL);
            EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
            EXPECT_EQ(std::wstring(font.lfFaceName), form.fonts().designFamily());
        }
    }
    // Turned on from its menu item, the working grows the window to hold its area, its figures
    // in the boxes' font, and the designed controls stay where they are; turned off, the window
    // is back at the design's size.
    for (const bool working : {true, false}) {
        choose(L"途中の式");
        EXPECT_EQ(GetMenuState(GetMenu(form.hwnd()), controlId("MenWorking"), MF_BYCOMMAND),
                  working ? MF_CHECKED : 0u);
        EXPECT_EQ(IsWindowVisible(at("PicWorking")) != FALSE, working);
        EXPECT_EQ(fontOf(at("PicWorking")).lfHeight, fontOf(at("Text5")).lfHeight);
        GetClientRect(form.hwnd(), &client);
        EXPECT_EQ(client.bottom,
                  px(working ? layout::kClientHeightWithWorking : layout::kClientHeight));
        for (const auto& box : design)
            EXPECT_EQ(clientRect(at(box.name)).top, px(box.top)) << box.name;
    }
    // The test session substitutes the design family, as a Japanese Windows installs it: no
    // stand-in is taken for it.
    EXPECT_EQ(form.fonts().designFamily(), widen(layout::kDesignFontFamily));
    // 21.75 points stays apart from 22 wherever the DPI tells them apart: at 120 dpi 22 points
    // would be 37 pixels.
    EXPECT_EQ(fontOf(at("Label5")).lfHeight, dpi == 144 ? -44 : dpi == 120 ? -36 : -29);
}

INSTANTIATE_TEST_SUITE_P(Dpi, Layout, testing::Values(96u, 120u, 144u));

// Typed into its box, a widest value shows whole, with the caret after it, and stays whole once
// the focus has left: the first character starts inside the box's formatting rectangle and the
// last one ends inside it, off the border. The boxes keep one face at every DPI.
class WidestValues : public Window, public testing::WithParamInterface<UINT> {};

TEST_P(WidestValues, ShowWholeWhileTypedAndAfter) {
    const UINT dpi = GetParam();
    const std::wstring faceAtStart = fontOf(at("Text5")).lfFaceName;
    RECT suggested{10, 10, 900, 600};
    SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(form.dpi(), dpi);
    const std::pair<const char*, std::wstring> widestValues[] = {
        {"Text5", L"-32768"}, {"Text3", L"32767"}, {"Text1", L"32767"},
        {"Text6", L"-32768"}, {"Text4", L"32767"}, {"Text2", L"32767"},
    };
    for (const auto& [name, widest] : widestValues) {
        HWND edit = at(name);
        EXPECT_EQ(std::wstring(fontOf(edit).lfFaceName), faceAtStart) << name;
        SetFocus(edit);
        for (wchar_t c : widest)
            PostMessageW(edit, WM_CHAR, c, 1);
        pump();
        ASSERT_EQ(textOf(edit), widest);
        for (const char* when : {"typed", "after"}) {
            RECT format;
            SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            const auto first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
            const auto last = SendMessageW(edit, EM_POSFROMCHAR, widest.size() - 1, 0);
            HDC dc = GetDC(edit);
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
            SIZE lastWidth;
            GetTextExtentPoint32W(dc, &widest.back(), 1, &lastWidth);
            ReleaseDC(edit, dc);
            RECT inside;
            GetClientRect(edit, &inside);
            EXPECT_GE(static_cast<short>(LOWORD(first)), format.left) << name << ' ' << when;
            EXPECT_LE(static_cast<short>(LOWORD(last)) + lastWidth.cx, format.right)
                << name << ' ' << when;
            EXPECT_GT(format.left, inside.left) << name << ": digits against the border";
            EXPECT_LT(format.right, inside.right) << name << ": digits against the border";
            press(edit, VK_TAB);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, WidestValues, testing::Values(96u, 120u, 144u, 192u));

TEST_F(Window, IsAFixedSizeWindowWithThreeMenusWithoutAccessKeys) {
    const auto style = GetWindowLongPtrW(form.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(textOf(form.hwnd()), L"Zelvanu");

    HMENU bar = GetMenu(form.hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    const wchar_t* const titles[] = {L"ファイル", L"表示", L"ヘルプ"};
    const wchar_t* const items[] = {L"終了", L"途中の式", L"バージョン情報"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64];
        GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, titles[i]);
        HMENU popup = GetSubMenu(bar, i);
        ASSERT_EQ(GetMenuItemCount(popup), 1);
        GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, items[i]);
    }
}

// With the working shown as well: its area and lines never take the focus.
TEST_F(Window, TabVisitsBoxesThenButtonsFromTheFirstWholePart) {
    const char* const order[] = {"Text5", "Text3",    "Text1",    "Text6",   "Text4",
                                 "Text2", "Command3", "Command2", "Command1"};
    EXPECT_EQ(GetFocus(), at("Text5"));
    for (const bool working : {false, true}) {
        for (std::size_t i = 1; i <= std::size(order); ++i) {
            press(GetFocus(), VK_TAB);
            EXPECT_EQ(GetFocus(), at(order[i % std::size(order)])) << i << ' ' << working;
        }
        choose(L"途中の式");
    }
}

TEST_F(Window, EnterPressesTheFocusedButtonAndDoesNothingInABox) {
    type("Text3", L"1");
    type("Text1", L"2");
    type("Text4", L"1");
    type("Text2", L"3");
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        SetFocus(at("Text2"));
        press(at("Text2"), key);
        EXPECT_TRUE(IsWindow(form.hwnd()));
        EXPECT_EQ(result(), (std::vector<std::wstring>{L"", L"", L"", L""}));
    }
    SetFocus(at("Command1"));
    press(at("Command1"), VK_RETURN);
    EXPECT_EQ(result(), (std::vector<std::wstring>{L"", L"", L"5", L"6"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

// As a dialog box does: the focus comes back to the control that had it when the window is
// restored from the taskbar, or activated again after another program.
TEST_F(Window, FocusStaysWhereTheUserLeftItAcrossMinimiseAndAnotherProgram) {
    SetFocus(at("Text3"));
    pump();
    SendMessageW(form.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    pump();
    SendMessageW(form.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    pump();
    EXPECT_EQ(GetFocus(), at("Text3"));

    SetFocus(at("Command2"));
    pump();
    HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    pump();
    SetForegroundWindow(form.hwnd());
    pump();
    EXPECT_EQ(GetFocus(), at("Command2"));
    DestroyWindow(other);
}

// F10 and Alt alone lead into the menu bar, as Windows does it; a timer sees the menu mode from
// inside the menu loop and leaves it again.
bool g_inMenu = false;
void CALLBACK seeMenuAndLeave(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    g_inMenu = (info.flags & GUI_INMENUMODE) != 0;
    EndMenu();
}

TEST_F(Window, F10AndAltAloneLeadIntoTheMenuBar) {
    for (WPARAM key : {VK_F10, VK_MENU}) {
        g_inMenu = false;
        SetTimer(nullptr, 0, 100, seeMenuAndLeave);
        // As the keyboard sends them: Alt with the Alt flag, F10 without it.
        const LPARAM alt = key == VK_MENU ? 1u << 29 : 0;
        PostMessageW(GetFocus(), WM_SYSKEYDOWN, key, 1 | alt);
        PostMessageW(GetFocus(), WM_SYSKEYUP, key, 1 | (3u << 30));
        pump();
        EXPECT_TRUE(g_inMenu) << key;
    }
}

TEST_F(Window, CalculatesClearsAndReportsAsTheSharedCommandsSay) {
    type("Text5", L"1");
    type("Text3", L"１"); // typed full-width through an input method
    type("Text1", L"2");
    type("Text4", L"2");
    type("Text2", L"3");
    click("Command1");
    EXPECT_EQ(result(), (std::vector<std::wstring>{L"", L"2", L"1", L"6"}));
    EXPECT_EQ(textOf(form.answer()), L"答え 2 と 6分の1");

    type("Text4", L"");
    click("Command1");
    EXPECT_EQ(result(), (std::vector<std::wstring>{L"", L"", L"", L""}));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, L"数値を入れてください");
    EXPECT_EQ(boxes.boxes[0].title, L"エラーメッセージ");
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Critical);

    // Text past the Edit control's default typing limit reaches the calculation whole: an
    // overflow, reported. (A longer text only takes longer under Wine, whose Edit control lays
    // out a line in time quadratic in its length.)
    EXPECT_GT(SendMessageW(at("Text4"), EM_GETLIMITTEXT, 0, 0), 1 << 20);
    type("Text4", std::wstring(33000, L'9').c_str());
    click("Command1");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text, L"実行時エラー '6':\n\nオーバーフローしました。");
    EXPECT_EQ(boxes.boxes[1].title, L"Zelvanu");
    EXPECT_EQ(boxes.boxes[1].icon, MessageIcon::Critical);
    EXPECT_TRUE(IsWindow(form.hwnd()));

    click("Command2");
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        EXPECT_EQ(textOf(at(box)), L"") << box;
    EXPECT_EQ(result(), (std::vector<std::wstring>{L"", L"", L"", L""}));
    EXPECT_EQ(textOf(form.answer()), L"");

    choose(L"バージョン情報");
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[2].text.rfind(L"Zelvanuver" ZELVANU_VERSION_STRING L"\n", 0), 0u);
    EXPECT_EQ(boxes.boxes[2].title, L"バージョン情報");
    EXPECT_EQ(boxes.boxes[2].icon, MessageIcon::Information);
    for (const RecordedBox& box : boxes.boxes)
        EXPECT_EQ(box.owner, form.hwnd()) << narrow(box.title);
}

// What a screen reader is told: one live-region change of the answer region per calculation
// that shows an answer, and the answer region named with the whole answer.
int g_liveChanges = 0;
HWND g_liveRegion = nullptr;
void CALLBACK onLiveRegion(HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD) {
    ++g_liveChanges;
    g_liveRegion = hwnd;
}

std::wstring accessibleName(HWND hwnd) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return L"(none)";
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    object->get_accName(self, &name);
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    object->Release();
    return text;
}

// The names a screen reader is given (Wine's annotation service takes none, so they are read
// from what the window gave): the boxes' and signs' names from the design, and each result
// label's role with its value.
TEST_F(Window, NamesEveryBoxAndResultLabelForScreenReaders) {
    const auto spoken = [this](const char* name) {
        return form.accessibility().name(at(name));
    };
    EXPECT_EQ(spoken("Text5"), L"1つ目の数の整数部分");
    EXPECT_EQ(spoken("Text2"), L"2つ目の数の分母");
    EXPECT_EQ(spoken("Label3"), L"たす");
    EXPECT_EQ(spoken("PicWorking"), L"途中の式");
    type("Text3", L"1");
    type("Text1", L"2");
    type("Text4", L"2");
    type("Text2", L"3");
    click("Command1");
    EXPECT_EQ(spoken("Label1"), L"答えの分母 6");
    EXPECT_EQ(spoken("Label2"), L"答えの分子 1");
    EXPECT_EQ(spoken("Label6"), L"答えの整数部分 1");
    EXPECT_EQ(spoken("Label5"), L"答えの符号");
}

// The worked examples as a screen reader reaches them: each shown line of the working a window
// of its own, named with the line read aloud, top to bottom, and the whole of it inside the area.
struct WorkingCase {
    std::array<const wchar_t*, 6> boxes; // Text1 ... Text6: denominators, numerators, whole parts
    std::vector<std::wstring> lines;
};

class WorkingLines : public Window, public testing::WithParamInterface<WorkingCase> {};

TEST_P(WorkingLines, ReachEveryLineByItsSpokenText) {
    choose(L"途中の式");
    for (int i = 0; i < 6; ++i)
        type("Text" + std::to_string(i + 1), GetParam().boxes[static_cast<std::size_t>(i)]);
    click("Command1");
    HWND area = at("PicWorking");
    RECT inside;
    GetClientRect(area, &inside);
    std::vector<std::wstring> lines;
    for (HWND line = GetWindow(area, GW_CHILD); line; line = GetWindow(line, GW_HWNDNEXT)) {
        if (!IsWindowVisible(line))
            continue;
        lines.push_back(accessibleName(line));
        const RECT r = clientRect(line);
        EXPECT_TRUE(r.top >= inside.top && r.bottom <= inside.bottom && r.right <= inside.right)
            << narrow(lines.back());
    }
    EXPECT_EQ(lines, GetParam().lines);
    click("Command2");
    for (HWND line = GetWindow(area, GW_CHILD); line; line = GetWindow(line, GW_HWNDNEXT))
        EXPECT_FALSE(IsWindowVisible(line)) << "消す empties the working";
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, WorkingLines,
    testing::Values(
        WorkingCase{{L"2", L"3", L"1", L"2", L"1", L""},
                    {L"1 と 2分の1 たす 3分の2", L"仮分数に直す 2分の3 たす 3分の2",
                     L"通分する 6分の9 たす 6分の4", L"分子をたす 6分の13",
                     L"帯分数に直す 2 と 6分の1"}},
        WorkingCase{{L"6", L"3", L"1", L"1", L"", L""},
                    {L"6分の1 たす 3分の1", L"通分する 6分の1 たす 6分の2", L"分子をたす 6分の3",
                     L"約分する 2分の1"}},
        // Six lines, the most a working has: all inside the area.
        WorkingCase{{L"6", L"3", L"1", L"1", L"1", L"1"},
                    {L"1 と 6分の1 たす 1 と 3分の1", L"仮分数に直す 6分の7 たす 3分の4",
                     L"通分する 6分の7 たす 6分の8", L"分子をたす 6分の15",
                     L"帯分数に直す 2 と 6分の3", L"約分する 2 と 2分の1"}},
        WorkingCase{{L"4", L"4", L"1", L"1", L"1", L"1"},
                    {L"1 と 4分の1 たす 1 と 4分の1", L"仮分数に直す 4分の5 たす 4分の5",
                     L"分子をたす 4分の10", L"帯分数に直す 2 と 4分の2", L"約分する 2 と 2分の1"}},
        WorkingCase{{L"3", L"2", L"1", L"1", L"-2", L""},
                    {L"マイナス 2 と 3分の1 たす 2分の1",
                     L"仮分数に直す マイナス 3分の7 たす 2分の1",
                     L"通分する マイナス 6分の14 たす 6分の3", L"分子をたす マイナス 6分の11",
                     L"帯分数に直す マイナス 1 と 6分の5"}},
        WorkingCase{{L"2", L"2", L"1", L"1", L"-", L"-"},
                    {L"マイナス 2分の1 たす マイナス 2分の1", L"分子をたす マイナス 2分の2",
                     L"整数に直す マイナス 1"}},
        WorkingCase{{L"2", L"2", L"1", L"1", L"", L"-"},
                    {L"2分の1 たす マイナス 2分の1", L"分子をたす 2分の0", L"整数に直す 0"}},
        WorkingCase{{L"200", L"200", L"1", L"1", L"", L""},
                    {L"200分の1 たす 200分の1",
                     L"通分する 200 かける 200 は 40000、32767 より大きいので オーバーフロー"}},
        WorkingCase{{L"", L"3", L"1", L"1", L"", L""}, {}})); // a message box, and no working

TEST(StartOption, IsOneArgumentWrittenAsOnWindowsOrAsOnLinuxInAnyCase) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"/working", true},        {L"--Working", true},
        {L"-WORKING", true},        {L"a \"/working\"", true},
        {L"\"a /working\"", false}, {L"/workings", false},
        {L"working", false},        {L"", false},
    };
    for (const auto& [arguments, option] : cases)
        EXPECT_EQ(hasOption(arguments, kWorkingSwitch), option) << narrow(arguments);
}

TEST_F(Window, AnnouncesTheWholeAnswerOnceAsALiveRegion) {
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        onLiveRegion, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    type("Text6", L"-");
    type("Text3", L"1");
    type("Text1", L"2");
    type("Text4", L"1");
    type("Text2", L"3");
    click("Command1");
    pump();
    EXPECT_EQ(g_liveChanges, 1);
    EXPECT_EQ(g_liveRegion, form.answer());
    EXPECT_EQ(accessibleName(form.answer()), L"答え 6分の1");

    click("Command2");
    pump();
    EXPECT_EQ(g_liveChanges, 1); // nothing to say after clearing
    EXPECT_EQ(accessibleName(form.answer()), L"");
    UnhookWinEvent(hook);
}

// A screen reader that read a control before its name came reads it again when told that its
// name changed: every named control is told of once the service has the names.
TEST_F(Window, TellsOfEveryNameOnceTheServiceHasIt) {
    const auto told = [this](const Control& c) {
        return c.spokenName.empty() || g_nameChanges.contains(form.control(c.id));
    };
    pumpUntil([&] { return std::ranges::all_of(kControls, told); });
    for (const Control& c : kControls)
        EXPECT_TRUE(told(c)) << c.name;
}

// A screen reader's hook may ask the window something from the thread that reaches the service
// before it is reached: an answer given meanwhile leaves the window free to reply.
HANDLE g_answering = CreateEventW(nullptr, TRUE, FALSE, nullptr);
HWND g_asked = nullptr;
std::atomic<int> g_reply{0}; // 1 when the window replied, 2 when not within 5 s

class HeldService : public Window {
    void SetUp() override {
        g_asked = form.hwnd();
        Accessibility::beforeReachingForTests = [] {
            WaitForSingleObject(g_answering, INFINITE);
            DWORD_PTR result = 0;
            g_reply =
                SendMessageTimeoutW(g_asked, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) ? 1 : 2;
        };
        Window::SetUp();
    }
};

TEST_F(HeldService, LeavesTheWindowAnsweringWhileAnAnswerComes) {
    type("Text3", L"1");
    type("Text1", L"2");
    type("Text4", L"2");
    type("Text2", L"3");
    SetEvent(g_answering);
    click("Command1");
    pumpUntil([] { return g_reply != 0; });
    Accessibility::beforeReachingForTests = nullptr;
    EXPECT_EQ(g_reply, 1);
    EXPECT_EQ(result(), (std::vector<std::wstring>{L"", L"1", L"1", L"6"}));
}

// The three bars are drawn: under each, across its middle, the window shows ink that a person
// tells from the face (3 : 1 at least), and only there.
TEST_F(Window, DrawsTheThreeBars) {
    UpdateWindow(form.hwnd());
    HDC dc = GetDC(form.hwnd());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const UINT dpi = form.dpi();
    // The design's bars in twips: from x1 to x2 at y.
    for (const auto [x1, y, x2] :
         {std::array{840, 720, 1800}, std::array{3000, 720, 3720}, std::array{5400, 720, 6360}}) {
        const int x = twipsToPixels((x1 + x2) / 2, dpi);
        const auto rgb = [](COLORREF c) {
            return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        };
        EXPECT_GE(test::contrastRatio(rgb(GetPixel(dc, x, twipsToPixels(y, dpi))), rgb(face)), 3)
            << x1;
        EXPECT_EQ(GetPixel(dc, x, twipsToPixels(y, dpi) - 4), face) << x1 << ": more than a bar";
    }
    ReleaseDC(form.hwnd(), dc);
}

// Started minimised (from a shortcut set to run minimised), the window starts minimised.
TEST(StartUp, ShowsTheWindowAsTheProgramIsToldTo) {
    RecordingBoxes boxes;
    Form1 form{GetModuleHandleW(nullptr), boxes};
    form.show(SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(IsIconic(form.hwnd()));
}

// A window that cannot be created (out of window handles, say) is reported with the system's
// reason, and run() returns 1 at once instead of waiting for ever.
LRESULT CALLBACK refuseWindows(int code, WPARAM, LPARAM) {
    SetLastError(ERROR_NO_MORE_USER_HANDLES);
    return code == HCBT_CREATEWND;
}

TEST(StartUp, ReportsAWindowThatCannotBeCreatedAndEndsWithStatusOne) {
    HHOOK refusal = SetWindowsHookExW(WH_CBT, refuseWindows, nullptr, GetCurrentThreadId());
    RecordingBoxes boxes;
    Form1 form{GetModuleHandleW(nullptr), boxes};
    UnhookWindowsHookEx(refusal);
    form.show(SW_SHOWNORMAL);
    PostQuitMessage(0); // ends a loop that would wait for a window
    EXPECT_EQ(form.run(), 1);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    // The reason as the system words it in the session's Japanese.
    EXPECT_EQ(boxes.boxes[0].text,
              L"ウィンドウを作成できませんでした。\n\nユーザー ハンドルが不足しています。");
    EXPECT_EQ(boxes.boxes[0].title, L"Zelvanu");
}

class Quit : public Window, public testing::WithParamInterface<int> {};

TEST_P(Quit, EndsTheLoopWithStatusZeroAndAsksNothing) {
    switch (GetParam()) {
    case 0:
        click("Command3");
        break;
    case 1:
        choose(L"終了");
        break;
    default:
        SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
    }
    pump();
    EXPECT_FALSE(IsWindow(form.hwnd()));
    EXPECT_EQ(quitStatus, 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(ByButtonMenuAndCloseBox, Quit, testing::Values(0, 1, 2));

// Reads the box titled g_boxTitle that the calling thread shows: its text, buttons, owner and
// icon; then presses its OK button.
const wchar_t* g_boxTitle = L"エラーメッセージ";
std::wstring g_boxText;
int g_boxButtons = 0;
HWND g_boxOwner = nullptr;
HICON g_boxIcon = nullptr;
void CALLBACK readAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", g_boxTitle);
    if (!box || !IsWindowVisible(box))
        return;
    KillTimer(nullptr, timer);
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    g_boxText = text;
    g_boxOwner = GetWindow(box, GW_OWNER);
    g_boxButtons = 0;
    g_boxIcon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16];
        GetClassNameW(child, cls, 16);
        g_boxButtons += std::wstring(cls) == L"Button" && IsWindowVisible(child);
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            g_boxIcon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(SystemMessageBoxes, ShowsALineFeedAsALineBreakWithOkOnly) {
    // A window destroyed by an earlier test left the end of its loop queued; a box would take
    // it as its own end.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    SetTimer(nullptr, 0, 50, readAndCloseBox);
    SystemMessageBoxes().show(nullptr, L"一行目\n二行目", L"エラーメッセージ",
                              MessageIcon::Critical);
    EXPECT_EQ(g_boxText, L"一行目\r\n二行目");
    EXPECT_EQ(g_boxButtons, 1);
}

// The window's real boxes: owned by it, with the critical icon for a message and the information
// icon for the version; once closed, the focus is back in the control that had it.
TEST(SystemMessageBoxes, BelongToTheWindowAndGiveTheFocusBack) {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    SystemMessageBoxes boxes;
    Form1 form{GetModuleHandleW(nullptr), boxes};
    form.show(SW_SHOWNORMAL);
    SetForegroundWindow(form.hwnd());
    for (const auto& [title, command, icon] :
         {std::tuple{L"エラーメッセージ", controlId("Command1"), IDI_HAND},
          std::tuple{L"バージョン情報", controlId("MenVer"), IDI_ASTERISK}}) {
        SetFocus(form.control("Text2"));
        g_boxTitle = title;
        g_boxOwner = nullptr;
        SetTimer(nullptr, 0, 50, readAndCloseBox);
        SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!form.preTranslate(msg))
                DispatchMessageW(&msg);
        EXPECT_EQ(g_boxOwner, form.hwnd()) << narrow(title);
        EXPECT_EQ(g_boxIcon, LoadIconW(nullptr, icon)) << narrow(title);
        EXPECT_EQ(GetFocus(), form.control("Text2")) << narrow(title);
    }
}

} // namespace
} // namespace zelvanu::win
