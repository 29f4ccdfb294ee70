#pragma once
// The page's markup and style sheet, written from the shared window description at build time,
// so that the window paints before the program has loaded and no caption, position, font or Tab
// order is typed twice. Every control becomes an element whose id is its design name, placed at
// its twips rectangle as a share of the window, which is as large as the viewport allows. This
// is text only: what the controls do is the program's (web_form1) and the page script's
// (page.js).

#include <string>

namespace zelvanu::web {

// The page itself: the window, its menus, the message dialog and the notice shown after quitting.
std::string pageHtml();
// The same elements as plain HTML with no script, module or manifest: the floor the start-up
// benchmark measures the page against.
std::string floorHtml();
std::string pageCss();

} // namespace zelvanu::web
