#pragma once
// The parts of the page that come from the shared window description, written at build time so
// that the window paints before the program has loaded and no caption, position, font or Tab
// order is typed twice: the markup, in which every control is an element whose id is its design
// name, and the layout style sheet, which places each control at its rectangle as a share of the
// window, in the design's arrangement and in the one for tall, narrow screens. The page's look
// (colours, states, menus, dialogs, the window's scale) is the hand-written zelvanu.css; what the
// controls do is the program's (web_form1) and the page script's (page.js).

#include <string>

namespace zelvanu::web {

// The page itself: the window, its menus, the message dialog and the notice shown after quitting.
std::string pageHtml();
// The same elements as plain HTML with no script, module or manifest: the floor the start-up
// benchmark measures the page against.
std::string floorHtml();
// Where each control stands, and its font, in both arrangements.
std::string layoutCss();

} // namespace zelvanu::web
