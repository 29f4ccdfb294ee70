#include "win/command_line.h"

#include <algorithm>
#include <string>

namespace zelvanu::win {

namespace {

bool isOption(std::wstring_view argument, std::string_view word) {
    if (argument.starts_with(L"--"))
        argument.remove_prefix(2);
    else if (argument.starts_with(L"-") || argument.starts_with(L"/"))
        argument.remove_prefix(1);
    else
        return false;
    return std::ranges::equal(argument, word, [](wchar_t a, char b) {
        return (a >= L'A' && a <= L'Z' ? a - L'A' + L'a' : a) == static_cast<wchar_t>(b);
    });
}

} // namespace

bool hasOption(std::wstring_view arguments, std::string_view word) {
    // Arguments are separated by blanks outside quotes; the quotes themselves are not part of
    // them.
    std::wstring argument;
    bool quoted = false;
    for (std::size_t i = 0; i <= arguments.size(); ++i) {
        const wchar_t c = i < arguments.size() ? arguments[i] : L' ';
        if (c == L'"') {
            quoted = !quoted;
        } else if (!quoted && (c == L' ' || c == L'\t')) {
            if (isOption(argument, word))
                return true;
            argument.clear();
        } else {
            argument += c;
        }
    }
    return false;
}

} // namespace zelvanu::win
