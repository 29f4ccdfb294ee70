// The program in the browser: one window for the page's lifetime, and the two entries the page
// calls: with the design name of what was clicked, and with its address's fragment.

#include "web/web_form1.h"

#include <emscripten/emscripten.h>

namespace {

zelvanu::web::WebForm1& window() {
    static zelvanu::web::WebForm1 form;
    return form;
}

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void zelvanu_click(const char* controlName) {
    window().click(controlName);
}

extern "C" EMSCRIPTEN_KEEPALIVE void zelvanu_address(const char* fragment) {
    window().openAt(fragment);
}
