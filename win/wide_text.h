#pragma once
// Between the program's UTF-8 texts and the UTF-16 of the W functions. Invalid sequences either
// way become U+FFFD, so any text a user types or pastes converts; nothing here interprets it.

#include <string>
#include <string_view>

namespace zelvanu::win {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace zelvanu::win
