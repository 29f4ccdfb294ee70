#include "win/form1.h"

#include "win/control_ids.h"
#include "win/dpi.h"
#include "win/message_boxes.h"
#include "win/wide_text.h"
#include "win/window_procedure.h"

#include <algorithm>

namespace zelvanu::win {

namespace {

constexpr wchar_t kClassName[] = L"ZelvanuForm1";
// A fixed size: minimise and close, no maximise button and no sizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
// Set by show(): the screen reader's names are given once the painted window has answered what
// was waiting for it, since a timer's message comes only when nothing else is queued. Reaching
// the service costs more than the window's first answer.
constexpr UINT_PTR kDescribeTimer = 1;
// Said before the system's reason when the window cannot be created.
constexpr wchar_t kCreationFailed[] = L"ウィンドウを作成できませんでした。\n\n";

// The window's outer size for a client area of the designed width and the height at the DPI.
SIZE windowSize(UINT dpi, int clientHeight = layout::kClientHeight) {
    RECT frame{0, 0, twipsToPixels(layout::kClientWidth, dpi), twipsToPixels(clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, TRUE, kExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

DWORD staticAlignment(Align align) {
    switch (align) {
    case Align::Center:
        return SS_CENTER;
    case Align::Right:
        return SS_RIGHT;
    case Align::Left:
        break;
    }
    return SS_LEFT;
}

} // namespace

Form1::Form1(HINSTANCE instance, MessageBoxes& boxes) : m_instance(instance), m_boxes(boxes) {
    // The title bar's small icon: the system takes the fitting size from the same resource.
    registerWindowClass<Form1>(instance, kClassName, COLOR_BTNFACE,
                               LoadIconW(instance, MAKEINTRESOURCEW(1)));
    // Created at its size on the main screen, so that it need not be resized before it shows.
    const SIZE size = windowSize(GetDpiForSystem());
    // With its menu bar, so that the frame is laid out once.
    HMENU menus = createMenus();
    if (!CreateWindowExW(kExStyle, kClassName, widen(layout::kWindowTitle).c_str(), kStyle,
                         CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, menus, instance,
                         this)) {
        m_creationError = GetLastError(); // reported by run()
        DestroyMenu(menus);
        return;
    }
    m_dpi = GetDpiForWindow(m_hwnd);
    m_fonts.create(m_hwnd, m_dpi);
    createControls();
    fitWindow(nullptr);
}

Form1::~Form1() {
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

HWND Form1::control(std::string_view name) const {
    const Control* c = controlNamed(name);
    return c ? control(c->id) : nullptr;
}

void Form1::show(int how) {
    if (!m_hwnd)
        return;
    ShowWindow(m_hwnd, how);
    UpdateWindow(m_hwnd);
    SetTimer(m_hwnd, kDescribeTimer, USER_TIMER_MINIMUM, nullptr);
}

void Form1::describeForScreenReaders() {
    for (const Control& c : kControls)
        // An answer given before this keeps the name it was given with its value.
        if (!c.spokenName.empty() && m_accessibility.name(control(c.id)).empty())
            m_accessibility.setName(control(c.id), widen(c.spokenName));
    m_accessibility.start(m_hwnd, m_answer);
}

HMENU Form1::createMenus() {
    HMENU bar = CreateMenu();
    HMENU popup = nullptr;
    for (const Control& c : kControls) {
        if (c.kind == ControlKind::Menu) {
            popup = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), widen(c.caption).c_str());
        } else if (c.kind == ControlKind::MenuItem) {
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(controlId(c.id)),
                        widen(c.caption).c_str());
        }
    }
    return bar;
}

void Form1::createControls() {
    const auto create = [this](const Control& c, const wchar_t* cls, DWORD style) {
        const RECT r = pixels(c.rect);
        HWND handle = CreateWindowExW(
            0, cls, widen(c.caption).c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
            r.right - r.left, r.bottom - r.top, m_hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(c.id))), m_instance, nullptr);
        m_controls[static_cast<std::size_t>(c.id)] = handle;
        setFont(c);
        return handle;
    };
    // The controls that take the focus come first, in Tab order: the dialog keys move the
    // focus in the order of creation.
    for (ControlId id : tabOrder()) {
        const Control& c = zelvanu::control(id);
        if (c.kind == ControlKind::TextBox) {
            // No typing limit: whatever is pasted reaches the calculation whole.
            HWND box = create(c, L"EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL);
            SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
        } else {
            // BS_NOTIFY: the button reports taking the focus, as a box does.
            create(c, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY);
        }
    }
    for (const Control& c : kControls)
        if (c.kind == ControlKind::Label || c.kind == ControlKind::ResultLabel)
            create(c, L"STATIC", SS_NOPREFIX | SS_CENTERIMAGE | staticAlignment(c.align));
    const Control& working = zelvanu::control(ControlId::WorkingArea);
    m_working.create(m_hwnd, controlId(working.id), pixels(working.rect), m_instance);
    m_controls[static_cast<std::size_t>(working.id)] = m_working.hwnd();
    setFont(working);
    // Last, so that it lies under the result labels; owner-drawn so that it draws nothing.
    const RECT r = answerRect();
    m_answer =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, m_hwnd, nullptr, m_instance, nullptr);
    m_lastFocus = control(tabOrder().front());
}

RECT Form1::pixels(const Rect& twips) const {
    const auto px = [this](int value) {
        return twipsToPixels(value, m_dpi);
    };
    return {px(twips.left), px(twips.top), px(twips.left + twips.width),
            px(twips.top + twips.height)};
}

RECT Form1::answerRect() const {
    RECT answer{INT_MAX, INT_MAX, 0, 0};
    for (const Control& c : kControls)
        if (c.kind == ControlKind::ResultLabel) {
            const RECT r = pixels(c.rect);
            UnionRect(&answer, &answer, &r);
        }
    return answer;
}

void Form1::setFont(const Control& c) const {
    const bool box = c.kind == ControlKind::TextBox;
    // The working's figures are the size of the boxes' digits at every DPI.
    const HFONT font = box || c.kind == ControlKind::WorkingArea ? m_fonts.boxFont()
                       : c.designFontPoints > 0 ? m_fonts.designFont(c.designFontPoints)
                                                : m_fonts.defaultFont();
    SendMessageW(control(c.id), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The boxes are narrow for their widest values: a thin border and thin margins, which the
    // box font is chosen to fit.
    if (box) {
        const int margin = Fonts::boxMargin(m_dpi);
        SendMessageW(control(c.id), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(margin, margin));
    }
}

void Form1::applyDpi(UINT dpi, const POINT* topLeft) {
    m_dpi = dpi;
    m_fonts.create(m_hwnd, dpi);
    for (const Control& c : kControls) {
        HWND handle = control(c.id);
        if (!handle) // the bars are painted, the menus belong to the menu bar
            continue;
        const RECT r = pixels(c.rect);
        MoveWindow(handle, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        setFont(c);
    }
    const RECT answer = answerRect();
    MoveWindow(m_answer, answer.left, answer.top, answer.right - answer.left,
               answer.bottom - answer.top, FALSE);
    fitWindow(topLeft);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void Form1::fitWindow(const POINT* topLeft) {
    const auto px = [this](int twips) {
        return twipsToPixels(twips, m_dpi);
    };
    // The client area is the designed size exactly, reaching below the working area while it
    // shows; the frame and the menu bar come around it.
    const int height =
        m_commands.workingShown() ? layout::kClientHeightWithWorking : layout::kClientHeight;
    const SIZE client{px(layout::kClientWidth), px(height)};
    const SIZE size = windowSize(m_dpi, height);
    RECT now;
    GetWindowRect(m_hwnd, &now);
    const POINT at = topLeft ? *topLeft : POINT{now.left, now.top};
    if (at.x != now.left || at.y != now.top || size.cx != now.right - now.left ||
        size.cy != now.bottom - now.top)
        SetWindowPos(m_hwnd, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wrapped, or a frame drawn otherwise than computed: correct by the rest.
    RECT got;
    GetClientRect(m_hwnd, &got);
    if (got.right != client.cx || got.bottom != client.cy)
        SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx + client.cx - got.right,
                     size.cy + client.cy - got.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void Form1::paintBars(HDC dc) const {
    const int thickness = std::max(1, MulDiv(1, static_cast<int>(m_dpi), kDefaultDpi));
    for (const Control& c : kControls)
        if (c.kind == ControlKind::Bar) {
            RECT r = pixels(c.rect);
            r.bottom = r.top + thickness;
            FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOWTEXT));
        }
}

bool Form1::preTranslate(MSG& msg) {
    if (!m_hwnd || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd)))
        return false;
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        // No button is a default button: Enter presses the focused button, as Space does, and
        // otherwise Enter and Esc do nothing (the dialog keys would send IDOK and IDCANCEL).
        const bool repeated = (msg.lParam & (1 << 30)) != 0;
        const Control* focused = controlWithId(GetDlgCtrlID(msg.hwnd));
        const bool onButton =
            focused && focused->kind == ControlKind::Button && control(focused->id) == msg.hwnd;
        if (msg.wParam == VK_RETURN && onButton && !repeated)
            SendMessageW(msg.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return IsDialogMessageW(m_hwnd, &msg) != FALSE;
}

int Form1::run() {
    if (!m_hwnd) {
        m_boxes.show(nullptr, kCreationFailed + systemErrorText(m_creationError),
                     widen(layout::kWindowTitle), MessageIcon::Critical);
        return 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (preTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (HIWORD(wParam)) {
        case BN_CLICKED:       // buttons and menu items alike
        case BN_DOUBLECLICKED: // the second click of a double click, on a BS_NOTIFY button
            onCommand(LOWORD(wParam));
            break;
        case BN_SETFOCUS:
        case EN_SETFOCUS:
            // Remembered as it happens: by the time the window is minimised or deactivated,
            // the focus may already have left it.
            m_lastFocus = reinterpret_cast<HWND>(lParam);
            break;
        default:
            break;
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        paintBars(dc);
        EndPaint(m_hwnd, &ps);
        return 0;
    }
    case WM_DRAWITEM: // the answer region shows nothing
        return TRUE;
    case WM_TIMER:
        if (wParam == kDescribeTimer) {
            KillTimer(m_hwnd, kDescribeTimer);
            describeForScreenReaders();
        }
        return 0;
    case Accessibility::kReachedMessage:
        m_accessibility.reached();
        return 0;
    case WM_ACTIVATE:
        // Back from a message box, the taskbar or another program, the focus returns where the
        // user left it.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && m_lastFocus) {
            SetFocus(m_lastFocus);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (m_lastFocus)
            SetFocus(m_lastFocus);
        return 0;
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT at{suggested->left, suggested->top};
        applyDpi(HIWORD(wParam), &at);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

// The button or menu item with the id, handed to the commands by its design name.
void Form1::onCommand(int id) {
    if (const Control* clicked = controlWithId(id))
        m_commands.click(clicked->name);
}

std::string Form1::text(ControlId box) const {
    HWND handle = control(box);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void Form1::setText(ControlId box, std::string_view text) {
    SetWindowTextW(control(box), widen(text).c_str());
}

void Form1::setCaption(ControlId label, std::string_view text, std::string_view spokenName) {
    SetWindowTextW(control(label), widen(text).c_str());
    m_accessibility.setName(control(label), widen(spokenName));
}

void Form1::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    m_boxes.show(m_hwnd, widen(text), widen(title), icon);
}

void Form1::announceAnswer(std::string_view phrase) {
    const std::wstring spoken = widen(phrase);
    SetWindowTextW(m_answer, spoken.c_str());
    m_accessibility.setName(m_answer, spoken);
    if (!spoken.empty())
        Accessibility::announce(m_answer);
}

void Form1::setWorking(const std::vector<WorkingText>& lines) {
    m_working.setLines(lines);
    for (std::size_t i = 0; i < lines.size(); ++i)
        m_accessibility.setName(m_working.lineWindows()[i], widen(lines[i].spoken));
}

void Form1::showWorkingArea(bool shown) {
    if (!m_hwnd) // the start option, given to a window that could not be created
        return;
    CheckMenuItem(GetMenu(m_hwnd), controlId(ControlId::WorkingItem),
                  MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
    ShowWindow(m_working.hwnd(), shown ? SW_SHOWNA : SW_HIDE);
    fitWindow(nullptr);
}

void Form1::unload() {
    DestroyWindow(m_hwnd);
}

} // namespace zelvanu::win
