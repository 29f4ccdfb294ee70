#pragma once
// The program's command line: --help and --version answer on the terminal, and anything else
// the program does not know is refused with one line, all before any window or display is
// needed. Qt's own options (-platform, -display, -style and the like) pass through to the
// application untouched. The window's one option, --working, opens it with the working shown,
// so that a teacher can make a shortcut that does; nothing else is taken and nothing is stored.

#include <variant>

namespace zelvanu {

// How the window opens.
struct WindowOptions {
    bool workingShown = false;
};

// The exit status when the command line is answered here (help, version, or a usage error);
// otherwise how the window should open.
std::variant<int, WindowOptions> answerCommandLine(int& argc, char** argv);

} // namespace zelvanu
