#pragma once
// The program's command line: --help and --version answer on the terminal, and anything else
// the program does not know is refused with one line, all before any window or display is
// needed. Qt's own options (-platform, -display, -style and the like) pass through to the
// application untouched. The window takes no arguments of its own.

#include <optional>

namespace zelvanu {

// The exit status when the command line is answered here (help, version, or a usage error);
// nothing when the window should open.
std::optional<int> answerCommandLine(int& argc, char** argv);

} // namespace zelvanu
