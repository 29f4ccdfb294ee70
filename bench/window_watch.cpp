// Starts a program on the current X display, reads from the X event stream when its window is
// mapped and first drawn, then closes the window the way a close box does (WM_DELETE_WINDOW) and
// waits for the program to end. Prints one line:
//   mapped_ms=<ms> drawn_ms=<ms> exit=<status> maxrss_kb=<peak resident memory> class=<WM_CLASS>
//   size=<width>x<height of the window when first drawn>
// and exits 0 only when the program ended by itself with status 0 and, with --class, its window
// reported that class (the one docks match against a desktop entry's StartupWMClass).
//
// Usage: window_watch [--timeout SECONDS] [--class CLASS] -- PROGRAM [ARGS...]
// The display should be private to this run (Xvfb, no window manager): the first top-level window
// mapped after the start is taken as the program's.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Windows come and go while we watch (Qt's helper windows among them); errors about them are
// expected and must not end the watcher.
int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "window_watch: %s\n", what);
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[]) {
    double timeoutSeconds = 30;
    const char* expectedClass = nullptr;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc)
            timeoutSeconds = std::atof(argv[++first]);
        else if (std::strcmp(argv[first], "--class") == 0 && first + 1 < argc)
            expectedClass = argv[++first];
        else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else
            fail("usage: window_watch [--timeout SECONDS] [--class CLASS] -- PROGRAM [ARGS...]");
    }
    if (first >= argc)
        fail("no program given");

    Display* display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the X display (is DISPLAY set?)");
    XSetErrorHandler(ignoreXErrors);
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError))
        fail("the X server has no DAMAGE extension");
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        fail("fork failed");
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("window_watch: exec");
        _exit(127);
    }

    Window window = 0;
    std::string windowClass;
    XWindowAttributes drawnAs{};
    double mappedMs = -1, drawnMs = -1;
    bool closeSent = false;
    int status = 0;
    rusage usage{};
    bool exited = false;
    const int fd = ConnectionNumber(display);

    while (!exited) {
        if (msSince(start) > timeoutSeconds * 1000) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            fail("timed out");
        }
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            exited = true;
            break;
        }
        if (!XPending(display)) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 5);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Watch every new top-level window for drawing from its creation on, so that the
            // first frame cannot slip by before the map is seen.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root && window == 0) {
            window = event.xmap.window;
            mappedMs = msSince(start);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (damage.drawable == window && drawnMs < 0) {
                drawnMs = msSince(start);
            }
        }
        if (drawnMs >= 0 && !closeSent) {
            XClassHint hint{};
            if (XGetClassHint(display, window, &hint)) {
                windowClass = hint.res_class ? hint.res_class : "";
                XFree(hint.res_name);
                XFree(hint.res_class);
            }
            XGetWindowAttributes(display, window, &drawnAs);
            XEvent close{};
            close.xclient.type = ClientMessage;
            close.xclient.window = window;
            close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
            close.xclient.format = 32;
            close.xclient.data.l[0] =
                static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
            close.xclient.data.l[1] = CurrentTime;
            XSendEvent(display, window, False, NoEventMask, &close);
            XFlush(display);
            closeSent = true;
        }
    }

    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("mapped_ms=%.1f drawn_ms=%.1f exit=%d maxrss_kb=%ld class=%s size=%dx%d\n",
                mappedMs, drawnMs, exitStatus, usage.ru_maxrss, windowClass.c_str(), drawnAs.width,
                drawnAs.height);
    XCloseDisplay(display);
    const bool classMatches = !expectedClass || windowClass == expectedClass;
    if (!classMatches)
        std::fprintf(stderr, "window_watch: the window's class is '%s', not '%s'\n",
                     windowClass.c_str(), expectedClass);
    return closeSent && exitStatus == 0 && classMatches ? 0 : 1;
}
