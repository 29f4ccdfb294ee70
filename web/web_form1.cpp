#include "web/web_form1.h"

#include "web/html_text.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

// The few DOM calls the window needs. Texts cross as UTF-8; a string handed back to C++ is
// allocated with malloc and freed here.
// clang-format off
EM_JS(char*, zv_value_of, (const char* id), {
    const text = document.getElementById(UTF8ToString(id)).value;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, zv_set_value, (const char* id, const char* text), {
    document.getElementById(UTF8ToString(id)).value = UTF8ToString(text);
});
EM_JS(void, zv_set_caption, (const char* id, const char* text, const char* spoken), {
    const label = document.getElementById(UTF8ToString(id));
    label.textContent = UTF8ToString(text);
    label.setAttribute("aria-label", UTF8ToString(spoken));
});
EM_JS(void, zv_show_message, (const char* text, const char* title, const char* icon), {
    const dialog = document.getElementById("message");
    document.getElementById("message-title").textContent = UTF8ToString(title);
    document.getElementById("message-text").textContent = UTF8ToString(text);
    dialog.dataset.icon = UTF8ToString(icon);
    if (!dialog.open) // a modal dialog takes every click and key, but never open it twice
        dialog.showModal();
    document.getElementById("message-ok").focus();
});
EM_JS(void, zv_announce, (const char* phrase), {
    document.getElementById("answer").textContent = UTF8ToString(phrase);
});
EM_JS(void, zv_set_working, (const char* id, const char* html), {
    document.getElementById(UTF8ToString(id)).innerHTML = UTF8ToString(html);
});
// The style sheets grow the window and show the working area under .working.
EM_JS(void, zv_show_working, (const char* itemId, bool shown), {
    document.documentElement.classList.toggle("working", !!shown);
    document.getElementById(UTF8ToString(itemId)).setAttribute("aria-checked", String(!!shown));
});
// An installed app's window closes; a browser tab usually may not be closed by its page, and
// then the window gives way to the notice that the program has ended.
EM_JS(void, zv_unload, (), {
    window.close();
    if (window.closed)
        return;
    document.getElementById("Form1").hidden = true;
    document.getElementById("ended").hidden = false;
    document.getElementById("restart").focus();
});
// clang-format on

namespace zelvanu::web {

namespace {

// The ids are the design's names, which are short ASCII; a std::string gives them their NUL.
std::string id(ControlId control) {
    return std::string(zelvanu::control(control).name);
}

// One number of a line: its sign and whole part, then its fraction stacked, numerator over
// denominator (the bar is the denominator's border, zelvanu.css), in parentheses after "+".
std::string termHtml(const WorkingTerm& t) {
    std::string html = "<span class=\"term\">" + std::string(t.parenthesised ? "(" : "") +
                       escaped(t.sign + t.whole);
    if (!t.numerator.empty())
        html += "<span class=\"fraction\"><span>" + escaped(t.numerator) + "</span><span>" +
                escaped(t.denominator) + "</span></span>";
    return html + (t.parenthesised ? ")" : "") + "</span>";
}

// The working's lines as the items of the area's list. A screen reader reads each item by its
// spoken text; what is drawn is hidden from it, as a stacked fraction would be read as two
// numbers. The page wraps a line between its parts, never inside a number.
std::string workingHtml(const std::vector<WorkingText>& lines) {
    std::string html;
    for (const WorkingText& line : lines) {
        html += "<li><span class=\"unseen\">" + escaped(line.spoken) +
                "</span><span class=\"drawn\" aria-hidden=\"true\">";
        if (line.equals)
            html += "<span>=</span>";
        for (const WorkingTerm& t : line.terms)
            html += (&t == &line.terms.front() ? "" : "<span>+</span>") + termHtml(t);
        if (!line.words.empty())
            html += "<span>" + escaped(line.words) + "</span>";
        if (!line.name.empty())
            html += "<span class=\"step\">" + escaped(line.name) + "</span>";
        html += "</span></li>";
    }
    return html;
}

} // namespace

void WebForm1::openAt(std::string_view fragment) {
    m_commands.showWorking(fragment == kWorkingSwitch);
}

std::string WebForm1::text(ControlId box) const {
    const std::unique_ptr<char, decltype(&std::free)> value(zv_value_of(id(box).c_str()),
                                                            &std::free);
    return value.get();
}

void WebForm1::setText(ControlId box, std::string_view text) {
    zv_set_value(id(box).c_str(), std::string(text).c_str());
}

void WebForm1::setCaption(ControlId label, std::string_view text, std::string_view spokenName) {
    zv_set_caption(id(label).c_str(), std::string(text).c_str(), std::string(spokenName).c_str());
}

void WebForm1::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    zv_show_message(std::string(text).c_str(), std::string(title).c_str(),
                    icon == MessageIcon::Critical ? "critical" : "information");
}

void WebForm1::announceAnswer(std::string_view phrase) {
    zv_announce(std::string(phrase).c_str());
}

// The lines reach the page only while the area shows: writing them into a hidden area would
// more than double the time a click on 計算 takes, for nothing the user sees or hears.
void WebForm1::setWorking(const std::vector<WorkingText>& lines) {
    m_working = lines;
    if (m_commands.workingShown())
        writeWorking();
}

void WebForm1::showWorkingArea(bool shown) {
    if (shown)
        writeWorking();
    zv_show_working(id(ControlId::WorkingItem).c_str(), shown);
}

void WebForm1::writeWorking() const {
    zv_set_working(id(ControlId::WorkingArea).c_str(), workingHtml(m_working).c_str());
}

void WebForm1::unload() {
    zv_unload();
}

} // namespace zelvanu::web
