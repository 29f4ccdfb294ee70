// The second floor for the Windows start-up benchmark: the program's window built bare, with
// nothing of the program in it: the same 15 standard controls at the design's places at 96 dpi,
// the working's area hidden below them, the same menu bar, the message font and the design font
// at its two sizes, the bars painted, all written out here by hand, with no window description,
// commands or DPI handling. Against it the benchmark tells what the program itself adds to the
// cost of such a window.

#include "win_floor.h"

#include <initializer_list>

namespace {

struct Child {
    const wchar_t* cls;
    const wchar_t* text;
    int x, y, w, h;
    DWORD style;
    int points; // 0: the message font; else the design font, in quarter points
};

constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;
constexpr DWORD kStatic = SS_NOPREFIX | SS_CENTERIMAGE;

const Child kChildren[] = {
    {L"EDIT", L"", 8, 40, 41, 25, kEdit, 0},
    {L"EDIT", L"", 72, 8, 33, 33, kEdit, 0},
    {L"EDIT", L"", 72, 56, 33, 33, kEdit, 0},
    {L"EDIT", L"", 152, 40, 41, 25, kEdit, 0},
    {L"EDIT", L"", 208, 8, 33, 33, kEdit, 0},
    {L"EDIT", L"", 208, 56, 33, 33, kEdit, 0},
    {L"BUTTON", L"終了", 48, 120, 65, 41, kButton, 0},
    {L"BUTTON", L"消す", 184, 120, 65, 41, kButton, 0},
    {L"BUTTON", L"計算", 312, 120, 73, 41, kButton, 0},
    {L"STATIC", L"+", 128, 32, 17, 33, kStatic, 96},
    {L"STATIC", L"=", 264, 32, 17, 33, kStatic, 96},
    {L"STATIC", L"", 288, 32, 17, 25, kStatic | SS_CENTER, 87},
    {L"STATIC", L"", 312, 40, 41, 25, kStatic | SS_RIGHT, 0},
    {L"STATIC", L"", 368, 8, 49, 25, kStatic | SS_CENTER, 0},
    {L"STATIC", L"", 368, 64, 49, 25, kStatic | SS_CENTER, 0},
    {L"STATIC", L"", 8, 169, 416, 239, SS_OWNERDRAW, 0}, // the working's area, hidden
};

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        for (const RECT& bar :
             {RECT{56, 48, 120, 49}, RECT{200, 48, 248, 49}, RECT{360, 48, 424, 49}})
            FillRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return zelvanu::bench::floorProcedure(hwnd, message, wParam, lParam);
}

HFONT designFont(int quarterPoints) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(quarterPoints, 96, 72 * 4);
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpyW(font.lfFaceName, L"ＭＳ Ｐゴシック");
    return CreateFontIndirectW(&font);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    zelvanu::bench::registerFloorClass(instance, L"ZelvanuFullFloor", procedure);
    HMENU bar = CreateMenu();
    const wchar_t* const menus[][2] = {
        {L"ファイル", L"終了"}, {L"表示", L"途中の式"}, {L"ヘルプ", L"バージョン情報"}};
    for (int i = 0; i < 3; ++i) {
        HMENU popup = CreatePopupMenu();
        AppendMenuW(popup, MF_STRING, 200 + i, menus[i][1]);
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menus[i][0]);
    }
    HWND window = CreateWindowExW(
        0, L"ZelvanuFullFloor", L"floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        CW_USEDEFAULT, CW_USEDEFAULT, 438, 250, nullptr, bar, instance, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT message = CreateFontIndirectW(&metrics.lfMessageFont);
    const HFONT large = designFont(96), sign = designFont(87);
    for (const Child& c : kChildren) {
        const DWORD visible = c.style == SS_OWNERDRAW ? 0 : WS_VISIBLE;
        HWND child = CreateWindowExW(0, c.cls, c.text, WS_CHILD | visible | c.style, c.x, c.y, c.w,
                                     c.h, window, nullptr, instance, nullptr);
        const HFONT font = c.points == 96 ? large : c.points == 87 ? sign : message;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
