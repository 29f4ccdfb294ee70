#include "web/page_markup.h"

#include "form/form1_layout.h"

#include <string_view>

namespace zelvanu::web {

namespace {

using namespace std::string_literals;

// The menu bar above the client area; the design leaves its height to the platform.
constexpr int kMenuBarTwips = 300;
constexpr int kWindowHeightTwips = kMenuBarTwips + layout::kClientHeight;

// The window's default font where the design names none: each platform's Japanese UI font, in
// the order Apple devices, ChromeOS and Android, Windows, then what Debian ships.
constexpr std::string_view kUiFonts = "\"Hiragino Sans\", \"Hiragino Kaku Gothic ProN\", "
                                      "\"Noto Sans CJK JP\", \"Noto Sans JP\", \"Yu Gothic UI\", "
                                      "\"Meiryo UI\", Meiryo, IPAPGothic, sans-serif";
// The boxes need narrow digits to show -32768 and 32767 whole: fixed-pitch Japanese faces,
// whose half-width digits are half an em.
constexpr std::string_view kBoxFonts = "\"ＭＳ ゴシック\", \"MS Gothic\", Osaka-Mono, "
                                       "\"Noto Sans Mono CJK JP\", IPAGothic, monospace";
constexpr int kDefaultFontPixels = 12; // 9 points at 96 dpi
// The boxes' text: five half-width digits and the caret fit a fraction box's 31 pixels inside
// its border.
constexpr int kBoxFontPixels = 11;

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A length in logical pixels, scaled with the window.
std::string scaled(double pixels) {
    std::string number = std::to_string(pixels);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.')
        number.pop_back();
    return "calc(" + number + " * var(--u))";
}
std::string twips(int value) {
    return scaled(value / double(layout::kTwipsPerPixel));
}
// A position or size as a share of the whole it lies in: exact at any scale, where a scaled
// length would be rounded to the engine's layout units first.
std::string share(int twips, int whole) {
    std::string number = std::to_string(100.0 * twips / whole);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.')
        number.pop_back();
    return number + "%";
}
std::string across(int twips) {
    return share(twips, layout::kClientWidth);
}
std::string down(int twips) {
    return share(twips, layout::kClientHeight);
}

std::string rule(std::string_view selector, const std::string& declarations) {
    return std::string(selector) + " { " + declarations + " }\n";
}

std::string placed(const layout::Box& box) {
    return "left: " + across(box.left) + "; top: " + down(box.top) +
           "; width: " + across(box.width) + "; height: " + down(box.height) + ";";
}

std::string designFont(double points) {
    return "font-family: \"" + std::string(layout::kDesignFontFamily) + "\", \"MS PGothic\", " +
           std::string(kUiFonts) + "; font-size: " + scaled(points * 96 / 72) + ";";
}

std::string controls() {
    std::string html;
    // The focusable controls come in Tab order, so that the page needs no tabindex.
    for (std::string_view name : layout::kTabOrder) {
        const layout::Box box = layout::boxNamed(name);
        if (name.starts_with("Text"))
            html += "<input id=\"" + escaped(name) + "\" type=\"text\" aria-label=\"" +
                    escaped(box.spokenName) + "\" data-widest=\"" +
                    escaped(layout::widestValue(name)) +
                    "\" autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\">\n";
        else
            html += "<button id=\"" + escaped(name) + "\" type=\"button\" data-click>" +
                    escaped(box.caption) + "</button>\n";
    }
    for (const layout::Box& label : layout::kLabels) {
        // "+" and "=" are symbols a screen reader names; a result label carries its role and,
        // once shown, its value.
        const bool symbol = !label.caption.empty();
        html += "<div id=\"" + escaped(label.name) + "\" class=\"label\" role=\"" +
                (symbol ? "img"s : "note"s) + "\" aria-label=\"" + escaped(label.spokenName) +
                "\">" + escaped(label.caption) + "</div>\n";
    }
    for (const layout::Bar& bar : layout::kBars)
        html += "<div id=\"" + escaped(bar.name) + "\" class=\"bar\"></div>\n";
    html += "<div id=\"answer\" class=\"unseen\" role=\"status\"></div>\n";
    return html;
}

std::string menuBar() {
    std::string html = "<div id=\"menubar\" role=\"menubar\">\n";
    bool first = true;
    for (const layout::Menu& menu : layout::kMenus) {
        const std::string name = escaped(menu.name), item = escaped(menu.itemName);
        html += "<div class=\"menu\" role=\"none\"><div id=\"" + name +
                "\" role=\"menuitem\" aria-haspopup=\"menu\" aria-expanded=\"false\" "
                "aria-controls=\"" +
                name + "-items\" tabindex=\"" + (first ? "0" : "-1") + "\">" +
                escaped(menu.caption) + "</div>\n<div id=\"" + name +
                "-items\" role=\"menu\" aria-labelledby=\"" + name + "\" hidden><div id=\"" + item +
                "\" role=\"menuitem\" tabindex=\"-1\" data-click>" + escaped(menu.itemCaption) +
                "</div></div></div>\n";
        first = false;
    }
    return html + "</div>\n";
}

std::string body() {
    return "<body>\n<div id=\"Form1\" role=\"application\" aria-roledescription=\"ウィンドウ\" "
           "aria-label=\"" +
           escaped(layout::kWindowTitle) + "\">\n" + menuBar() + "<div class=\"client\">\n" +
           controls() +
           "</div>\n</div>\n"
           "<div id=\"ended\" hidden><p>" +
           escaped(layout::kWindowTitle) +
           " を終了しました。</p><button id=\"restart\" "
           "type=\"button\">もう一度開く</button></div>\n"
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
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    if (withProgram)
        // Only the page's own files, and the module compiled from them.
        html += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self'; "
                "script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; "
                "object-src 'none'; base-uri 'none'; form-action 'none'\">\n"
                "<meta name=\"theme-color\" content=\"#000080\">\n";
    html += "<title>" + escaped(layout::kWindowTitle) +
            "</title>\n<link rel=\"stylesheet\" href=\"zelvanu.css\">\n";
    if (withProgram)
        html += "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
                "<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">\n"
                "<link rel=\"apple-touch-icon\" href=\"icon-192.png\">\n"
                "<link rel=\"preload\" href=\"zelvanu.wasm\" as=\"fetch\" crossorigin>\n"
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

std::string pageCss() {
    const int width = layout::kClientWidth / layout::kTwipsPerPixel;
    const int height = kWindowHeightTwips / layout::kTwipsPerPixel;
    const std::string unit =
        "min(100vw / " + std::to_string(width) + ", 100vh / " + std::to_string(height) + ")";
    std::string css =
        "/* Written from the window's description at build time; do not edit. */\n"
        // One logical pixel of the design, scaled so that the whole window fits the viewport.
        ":root { --u: " +
        unit +
        "; }\n"
        "@supports (height: 100dvh) { :root { --u: " +
        unit.substr(0, unit.find("100vh")) + "100dvh / " + std::to_string(height) + "); } }\n";
    css += rule("html, body", "margin: 0; height: 100%; overflow: hidden; background: #dcdcdc;");
    css += rule("body", "display: flex; align-items: center; justify-content: center; "
                        "font-family: " +
                            std::string(kUiFonts) + "; font-size: " + scaled(kDefaultFontPixels) +
                            "; color: #000;");
    // As large as the viewport allows at the design's proportions.
    const std::string window = "width: min(100vw, 100vh * " + std::to_string(width) + " / " +
                               std::to_string(height) + "); height: min(100vh, 100vw * " +
                               std::to_string(height) + " / " + std::to_string(width) + ");";
    std::string dynamicWindow = window;
    for (auto at = dynamicWindow.find("vh"); at != std::string::npos;
         at = dynamicWindow.find("vh", at + 3))
        dynamicWindow.replace(at, 2, "dvh");
    css += rule("#Form1", "position: relative; flex: none; " + window + " background: #f0f0f0;");
    css += "@supports (height: 100dvh) { #Form1 { " + dynamicWindow + " } }\n";
    css += rule("[hidden]", "display: none !important;");
    css += rule("#menubar", "position: absolute; left: 0; top: 0; right: 0; height: " +
                                share(kMenuBarTwips, kWindowHeightTwips) +
                                "; display: flex; background: #fff;");
    css += rule(".menu", "position: relative;");
    css += rule("[role=menuitem]", "padding: 0 " + scaled(7) +
                                       "; line-height: " + twips(kMenuBarTwips) +
                                       "; white-space: nowrap; "
                                       "cursor: default; outline: none; user-select: none;");
    css += rule("[role=menuitem]:focus, [role=menuitem]:hover, [aria-expanded=true]",
                "background: #cce8ff;");
    css += rule("[role=menu]", "position: absolute; left: 0; top: " + twips(kMenuBarTwips) +
                                   "; z-index: 1; min-width: " + scaled(110) +
                                   "; padding: " + scaled(2) +
                                   " 0; background: #f2f2f2; border: 1px solid #ccc; "
                                   "box-shadow: 2px 2px 3px rgba(0, 0, 0, 0.3);");
    css += rule("[role=menu] [role=menuitem]", "padding: 0 " + scaled(24) + ";");
    css += rule(".client", "position: absolute; left: 0; right: 0; bottom: 0; top: " +
                               share(kMenuBarTwips, kWindowHeightTwips) + ";");
    css += rule(".client > *", "position: absolute; box-sizing: border-box; margin: 0;");
    // --fit, below 1 only where a platform's digits are wide, is the page script's (fitBoxes).
    css += rule("input", "padding: 0 " + scaled(1) + "; border: " + scaled(1) +
                             " solid #7a7a7a; border-radius: 0; background: #fff; color: #000; "
                             "font-family: " +
                             std::string(kBoxFonts) + "; font-size: calc(" +
                             std::to_string(kBoxFontPixels) + " * var(--fit, 1) * var(--u));");
    css += rule("button", "font: inherit; color: #000; background: #e1e1e1; border: " + scaled(1) +
                              " solid #adadad; border-radius: " + scaled(2) + ";");
    css += rule("button:hover", "background: #e5f1fb; border-color: #0078d7;");
    css += rule("button:focus-visible, input:focus-visible",
                "outline: " + scaled(1) + " dotted #000; outline-offset: -" + scaled(3) + ";");
    css += rule("input:focus-visible", "outline: none; border-color: #0078d7;");
    css += rule(".label", "display: flex; align-items: center; white-space: nowrap;");
    css += rule(".bar", "height: max(1px, var(--u)); background: #000;");
    css += rule(".unseen", "width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); "
                           "white-space: nowrap;");
    for (const auto& group : {layout::kTextBoxes, layout::kLabels})
        for (const layout::Box& box : group) {
            std::string declarations = placed(box);
            if (box.designFontPoints > 0)
                declarations += " " + designFont(box.designFontPoints);
            if (box.align == layout::Align::Center)
                declarations += " justify-content: center;";
            else if (box.align == layout::Align::Right)
                declarations += " justify-content: flex-end;";
            css += rule("#" + std::string(box.name), declarations);
        }
    for (const layout::Box& box : layout::kButtons)
        css += rule("#" + std::string(box.name), placed(box));
    for (const layout::Bar& bar : layout::kBars)
        css +=
            rule("#" + std::string(bar.name), "left: " + across(bar.x1) + "; top: " + down(bar.y) +
                                                  "; width: " + across(bar.x2 - bar.x1) + ";");
    css += rule("#ended", "text-align: center;");
    css += rule("#ended button", "padding: " + scaled(4) + " " + scaled(16) + ";");
    css += rule("dialog", "padding: 0; min-width: " + scaled(200) + "; max-width: " + scaled(400) +
                              "; border: 1px solid #888; background: #fff; color: #000; "
                              "font-size: " +
                              scaled(kDefaultFontPixels) + "; box-shadow: 0 0 " + scaled(12) +
                              " rgba(0, 0, 0, 0.4);");
    css += rule("dialog::backdrop", "background: rgba(0, 0, 0, 0.1);");
    css += rule("#message-title", "padding: " + scaled(6) + " " + scaled(10) + ";");
    css += rule(".message-body", "display: flex; align-items: center; gap: " + scaled(10) +
                                     "; padding: " + scaled(14) + " " + scaled(16) + ";");
    css += rule(".message-icon", "flex: none; width: " + scaled(28) + "; height: " + scaled(28) +
                                     "; border-radius: 50%; color: #fff; font-weight: bold; "
                                     "display: flex; align-items: center; "
                                     "justify-content: center; font-size: " +
                                     scaled(16) + ";");
    css += rule("[data-icon=critical] .message-icon", "background: #c42b1c;");
    css += rule("[data-icon=critical] .message-icon::before", "content: \"\\2715\";");
    css += rule("[data-icon=information] .message-icon", "background: #0063b1;");
    css += rule("[data-icon=information] .message-icon::before", "content: \"i\";");
    css += rule("#message-text", "white-space: pre-line;");
    css += rule("dialog form", "display: flex; justify-content: flex-end; padding: " + scaled(10) +
                                   "; background: #f0f0f0;");
    css += rule("#message-ok", "min-width: " + scaled(75) + "; height: " + scaled(23) + ";");
    return css;
}

} // namespace zelvanu::web
