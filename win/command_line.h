#pragma once
// The Windows program's start options, read from the command line wWinMain is given (without
// the program's name). An option is one argument, /word, -word or --word in any case, quoted or
// not; every other argument is ignored. Read by hand rather than through the shell's
// CommandLineToArgvW, whose library would cost the start more than the whole window.

#include <string_view>

namespace zelvanu::win {

// Whether the arguments hold the option `word` (ASCII, lower case).
bool hasOption(std::wstring_view arguments, std::string_view word);

} // namespace zelvanu::win
