#include "web/page_markup.h"

#include "form/form1_arrangement.h"
#include "form/form1_controls.h"
#include "web/html_text.h"

#include <cstdio>
#include <string_view>

namespace zelvanu::web {

namespace {

// The menu bar above the client area; the design leaves its height to the platform. On a tall,
// narrow screen (a phone held upright) it is as tall as the boxes there, a finger's height.
constexpr int kMenuBarTwips = 300;

// A window the page can show: an arrangement of the client area, and the menu bar above it.
struct Window {
    arrangement::Arrangement client;
    int menuBarTwips;
};
constexpr Window kWide{arrangement::designed(), kMenuBarTwips};
constexpr Window kTall{arrangement::narrow(), arrangement::kTouchHeight};

// The boxes' text in design pixels: five half-width digits and the caret fit a fraction box's
// 31 pixels inside its border. (The page script shrinks it where a platform's digits are wider.)
constexpr int kBoxFontPixels = 11;

// A number as CSS writes it: up to four decimals, without trailing zeros.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string n(text);
    n.erase(n.find_last_not_of('0') + 1);
    if (n.back() == '.')
        n.pop_back();
    return n;
}

// A length in design pixels, scaled with the window (--u is one design pixel, zelvanu.css).
std::string scaled(double pixels) {
    return "calc(" + number(pixels) + " * var(--u))";
}

// A position or size as a share of the whole it lies in: exact at any scale, where a scaled
// length would be rounded to the engine's layout units first.
std::string share(int twips, int whole) {
    return number(100.0 * twips / whole) + "%";
}

// The window's size in design pixels: its client area and the menu bar, and its height while the
// working area shows below the client area.
int widthOf(const Window& w) {
    return w.client.clientWidth / layout::kTwipsPerPixel;
}
int heightOf(const Window& w, bool withWorking = false) {
    return (w.menuBarTwips +
            (withWorking ? w.client.clientHeightWithWorking : w.client.clientHeight)) /
           layout::kTwipsPerPixel;
}

// How large a design pixel may be for the whole window to fit the viewport (--fill), the
// window's size, and the menu bar's and the client area's; its menus' lines (--menu-height,
// zelvanu.css) are as tall as the menu bar. While the working shows (.working, web_form1.cpp)
// only the window grows, below the client area, where the working area lies: the designed
// controls keep their places in it to the pixel. The window's top stays where the page centred
// it, or moves up only as far as the grown window needs to fit the viewport.
std::string windowRules(const Window& w, std::string_view indent) {
    const std::string in(indent);
    const auto fill = [&](std::string_view height) {
        return "--fill: min(100vw / " + std::to_string(widthOf(w)) + ", 100" + std::string(height) +
               " / " + std::to_string(heightOf(w)) + ");";
    };
    const auto top = [&](std::string_view height) {
        const std::string viewport = "100" + std::string(height);
        return ".working main { margin-top: max(0px, min((" + viewport + " - " +
               scaled(heightOf(w)) + ") / 2, " + viewport + " - " + scaled(heightOf(w, true)) +
               ")); }";
    };
    const std::string menuBar = scaled(w.menuBarTwips / layout::kTwipsPerPixel);
    return in + ":root { " + fill("vh") + " --menu-height: " + menuBar + "; }\n" + in + top("vh") +
           "\n" + in + "@supports (height: 100dvh) { :root { " + fill("dvh") + " } " + top("dvh") +
           " }\n" + in + "#Form1 { width: " + scaled(widthOf(w)) +
           "; height: " + scaled(heightOf(w)) + "; }\n" + in +
           ".working #Form1 { height: " + scaled(heightOf(w, true)) + "; }\n" + in +
           "#menubar { height: " + menuBar + "; }\n" + in + ".client { top: " + menuBar +
           "; height: " + scaled(w.client.clientHeight / layout::kTwipsPerPixel) + "; }\n";
}

// Every control's rectangle as shares of the client area.
std::string placeRules(const arrangement::Arrangement& a, std::string_view indent) {
    std::string css;
    for (const Control& c : kControls) {
        if (c.kind == ControlKind::Menu || c.kind == ControlKind::MenuItem)
            continue;
        const Rect& r = a.of(c.id);
        css += std::string(indent) + "#" + std::string(c.name) +
               " { left: " + share(r.left, a.clientWidth) +
               "; top: " + share(r.top, a.clientHeight) +
               "; width: " + share(r.width, a.clientWidth) + ";";
        if (c.kind != ControlKind::Bar)
            css += " height: " + share(r.height, a.clientHeight) + ";";
        css += " }\n";
    }
    return css;
}

// What the design says of each control's text besides its place: its font and alignment.
std::string fontRules() {
    std::string css;
    for (const Control& c : kControls) {
        std::string declarations;
        if (c.designFontPoints > 0)
            declarations += " font-family: \"" + std::string(layout::kDesignFontFamily) +
                            "\", \"MS PGothic\", var(--ui-fonts); font-size: " +
                            scaled(c.designFontPoints * 96 / 72) + ";";
        if (c.kind == ControlKind::Label || c.kind == ControlKind::ResultLabel) {
            if (c.align == Align::Center)
                declarations += " justify-content: center;";
            else if (c.align == Align::Right)
                declarations += " justify-content: flex-end;";
        }
        if (!declarations.empty())
            css += "#" + std::string(c.name) + " {" + declarations + " }\n";
    }
    // --fit, below 1 only where a platform's digits are wide, is the page script's (fitBoxes).
    return css + "input { font-size: calc(" + std::to_string(kBoxFontPixels) +
           " * var(--fit, 1) * var(--u)); }\n";
}

std::string controls() {
    std::string html;
    // The focusable controls come in Tab order, so that the page needs no tabindex.
    for (ControlId id : tabOrder()) {
        const Control& c = control(id);
        if (c.kind == ControlKind::TextBox) {
            // Digits first on a phone; the whole parts, where a minus sign makes a number
            // negative, keep the full keyboard, the only one with a minus sign on every phone.
            const bool signedPart = c.widestValue.starts_with('-');
            html += "<input id=\"" + escaped(c.name) + "\" type=\"text\" inputmode=\"" +
                    (signedPart ? "text" : "numeric") + "\" aria-label=\"" + escaped(c.spokenName) +
                    "\" data-widest=\"" + escaped(c.widestValue) +
                    "\" autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\" "
                    "spellcheck=\"false\">\n";
        } else {
            html += "<button id=\"" + escaped(c.name) + "\" type=\"button\" data-click>" +
                    escaped(c.caption) + "</button>\n";
        }
    }
    for (const Control& c : kControls) {
        if (c.kind == ControlKind::Label)
            // "+" and "=" are symbols a screen reader names.
            html += "<div id=\"" + escaped(c.name) +
                    "\" class=\"label\" role=\"img\" aria-label=\"" + escaped(c.spokenName) +
                    "\">" + escaped(c.caption) + "</div>\n";
        else if (c.kind == ControlKind::ResultLabel)
            // A result label carries its role and, once shown, its value.
            html += "<div id=\"" + escaped(c.name) + "\" class=\"label\" role=\"note\" " +
                    "aria-label=\"" + escaped(c.spokenName) + "\"></div>\n";
        else if (c.kind == ControlKind::Bar)
            html += "<div id=\"" + escaped(c.name) + "\" class=\"bar\"></div>\n";
        else if (c.kind == ControlKind::WorkingArea)
            // A list of lines, each read by its spoken text (web_form1.cpp); shown by .working.
            html += "<ol id=\"" + escaped(c.name) + "\" aria-label=\"" + escaped(c.spokenName) +
                    "\"></ol>\n";
    }
    html += "<div id=\"answer\" class=\"unseen\" role=\"status\"></div>\n";
    return html;
}

std::string menuBar() {
    std::string html = "<div id=\"menubar\" role=\"menubar\">\n";
    bool first = true, open = false;
    for (const Control& c : kControls) {
        const std::string name = escaped(c.name);
        if (c.kind == ControlKind::Menu) {
            if (open)
                html += "</div></div>\n";
            html += "<div class=\"menu\" role=\"none\"><div id=\"" + name +
                    "\" role=\"menuitem\" aria-haspopup=\"menu\" aria-expanded=\"false\" "
                    "aria-controls=\"" +
                    name + "-items\" tabindex=\"" + (first ? "0" : "-1") + "\">" +
                    escaped(c.caption) + "</div>\n<div id=\"" + name +
                    "-items\" role=\"menu\" aria-labelledby=\"" + name + "\" hidden>";
            first = false;
            open = true;
        } else if (c.kind == ControlKind::MenuItem) {
            html += "<div id=\"" + name + "\" role=\"" +
                    (c.checkable ? "menuitemcheckbox\" aria-checked=\"false" : "menuitem") +
                    "\" tabindex=\"-1\" data-click>" + escaped(c.caption) + "</div>";
        }
    }
    if (open)
        html += "</div></div>\n";
    return html + "</div>\n";
}

std::string body() {
    const std::string title = escaped(layout::kWindowTitle);
    return "<body>\n<main>\n<h1 class=\"unseen\">" + title +
           "</h1>\n"
           "<div id=\"Form1\" role=\"application\" aria-roledescription=\"ウィンドウ\" "
           "aria-label=\"" +
           title + "\">\n" + menuBar() + "<div class=\"client\">\n" + controls() +
           "</div>\n</div>\n"
           "<div id=\"ended\" hidden><p>" +
           title +
           " を終了しました。</p><button id=\"restart\" "
           "type=\"button\">もう一度開く</button></div>\n</main>\n"
           "<dialog id=\"message\" aria-labelledby=\"message-title\" "
           "aria-describedby=\"message-text\">\n"
           "<div id=\"message-title\"></div>\n"
           "<div class=\"message-body\"><div class=\"message-icon\" aria-hidden=\"true\"></div>"
           "<div id=\"message-text\"></div></div>\n"
           "<form method=\"dialog\"><button id=\"message-ok\">OK</button></form>\n"
           "</dialog>\n</body>\n</html>\n";
}

std::string head(bool withProgram) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<meta name=\"description\" content=\"" ZELVANU_WEB_DESCRIPTION "\">\n";
    if (withProgram)
        // Only the page's own files, and the module compiled from them.
        html += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self'; "
                "script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; "
                "object-src 'none'; base-uri 'none'; form-action 'none'\">\n"
                "<meta name=\"theme-color\" content=\"#000080\">\n";
    html += "<title>" + escaped(layout::kWindowTitle) +
            "</title>\n<link rel=\"stylesheet\" href=\"layout.css\">\n"
            "<link rel=\"stylesheet\" href=\"zelvanu.css\">\n";
    if (withProgram)
        html += "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
                "<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">\n"
                "<link rel=\"apple-touch-icon\" href=\"icon-192.png\">\n"
                "<script src=\"zelvanu.js\" defer></script>\n"
                "<script src=\"page.js\" defer></script>\n";
    return html + "</head>\n";
}

} // namespace

std::string pageHtml() {
    return head(true) + body();
}

std::string floorHtml() {
    return head(false) + body();
}

std::string layoutCss() {
    std::string css = "/* Written from the window's description (form/) at build time: where each "
                      "control stands, and its font. The look is zelvanu.css. */\n";
    css += windowRules(kWide, "");
    css += placeRules(kWide.client, "");
    css += fontRules();
    // The arrangement for tall, narrow screens, wherever it makes the window larger than the
    // design's own: the viewport is narrower than the design's width to the narrow height.
    css += "@media (max-aspect-ratio: " + std::to_string(widthOf(kWide)) + " / " +
           std::to_string(heightOf(kTall)) + ") {\n";
    css += windowRules(kTall, "  ");
    css += placeRules(kTall.client, "  ");
    return css + "}\n";
}

} // namespace zelvanu::web
