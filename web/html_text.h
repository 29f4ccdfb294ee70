#pragma once
// Text made safe to stand in the page's markup, as element content or an attribute's value: the
// page's markup written at build time and the working's lines written as the program runs both
// escape through here. Nothing else of HTML is known here.

#include <string>
#include <string_view>

namespace zelvanu::web {

inline std::string escaped(std::string_view text) {
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

} // namespace zelvanu::web
