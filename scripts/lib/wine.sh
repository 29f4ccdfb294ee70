# Shared by the Wine scripts: where the private Wine session lives and the environment of every
# Wine process in it.
# shellcheck shell=bash

# The session's folder: the prefix, the compiled Japanese locale, the display it runs on.
ZELVANU_WINE_DIR=${ZELVANU_WINE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine}

# What the Windows build and its tests under Wine need, for both architectures: the x64 and the
# x86 compilers, and Wine's 64-bit half. libc6-i386 (an amd64 package) tells whether the machine
# runs 32-bit x86 programs; Wine's 32-bit half, which runs the x86 program, comes from dpkg's
# i386 architecture where it can (ensure_windows_packages).
ZELVANU_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest libc6-i386
    wine wine64 fonts-wine fonts-ipafont-gothic libxrender1 libxrandr2 libxi6 libxcursor1
    libxfixes3 libxinerama1 libxcomposite1 xvfb xauth locales librsvg2-bin icoutils
    wixl msitools python3 zip unzip
)

# Why the x86 program is not run on this machine, or nothing where it is. Where it is not, the
# Windows scripts and tests run the x64 program through Wine's 64-bit loader (Debian's wine
# starts the 32-bit one for every program once wine32:i386 is installed), build the x86 program
# and its packages and check what needs no running, and say so. ZELVANU_NO_X86=1 takes that path
# on any machine.
x86_not_run() {
    if [ -n "${ZELVANU_NO_X86:-}" ]; then
        echo "ZELVANU_NO_X86 is set"
    elif [ ! -e /lib32/ld-linux.so.2 ]; then
        echo "libc6-i386 is not installed, so this machine was not tried on 32-bit x86 programs"
    elif ! /lib32/ld-linux.so.2 --version >/dev/null 2>&1; then
        echo "this machine cannot run 32-bit x86 programs"
    elif ! dpkg-query -W -f '${Status}\n' wine32:i386 2>/dev/null | grep -q ' installed$'; then
        local missing="Wine's 32-bit half (wine32:i386) is not installed"
        echo "${ZELVANU_WINE32_MISSING:-$missing}"
    fi
}

# The machine a Windows program is built for, as its PE header says (014c x86, 8664 x64); nothing
# for a name that is no file here (Wine's own programs, paths inside the prefix).
pe_machine() {
    [ -f "$1" ] || return 0
    local header
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}

# Installs what the Windows build and its tests need, and Wine's 32-bit half where the machine
# runs 32-bit x86 programs. Where the i386 packages cannot be installed (a mirror in the middle of
# an update can leave them behind their amd64 twins, and multiarch needs both at one version),
# the set-up goes on without them: ZELVANU_WINE32_MISSING then says why, for x86_not_run and for
# the scripts this one starts, which do not try again.
ensure_windows_packages() {
    ensure_packages "${ZELVANU_WINDOWS_PACKAGES[@]}"
    [ -z "${ZELVANU_NO_X86:-}" ] && /lib32/ld-linux.so.2 --version >/dev/null 2>&1 || return 0
    [ -z "${ZELVANU_WINE32_MISSING:-}" ] || return 0
    local log status=0
    log=$(mktemp)
    ensure_packages wine32:i386 >"$log" 2>&1 || status=$?
    cat "$log"
    if [ "$status" -ne 0 ]; then
        ZELVANU_WINE32_MISSING="Wine's 32-bit half (wine32:i386) cannot be installed here (apt: $(
            grep -m 1 -E '^ .*:i386 :|^E:' "$log" | sed 's/^ *//; s/  */ /g'))"
        export ZELVANU_WINE32_MISSING
        echo "Going on without it: the x86 program is built and checked, not run." >&2
    fi
    rm -f "$log"
}

wine_environment() {
    # A home and XDG folders of the session's own: no program Wine starts can write into the
    # user's home, and the package check looks only here for what an install left behind.
    export HOME=$ZELVANU_WINE_DIR/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
    export WINEPREFIX=$ZELVANU_WINE_DIR/prefix
    # The loader every Wine program of the session starts through (x86_not_run).
    ZELVANU_X86_NOT_RUN=$(x86_not_run)
    if [ -n "$ZELVANU_X86_NOT_RUN" ]; then
        export WINELOADER=/usr/lib/wine/wine64
        ZELVANU_WINE=$WINELOADER
    else
        ZELVANU_WINE=wine
    fi
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono or Gecko install dialogs; no menu builder, which would copy every shortcut an
    # installer makes into a desktop's application menu. (ZELVANU_WINE_MENUS=1 lets it loose,
    # to see that the package check notices.)
    export WINEDLLOVERRIDES="mscoree,mshtml="
    [ -n "${ZELVANU_WINE_MENUS:-}" ] || WINEDLLOVERRIDES+=";winemenubuilder.exe=d"
    # Japanese text needs a Japanese locale; it is compiled into the session's folder.
    export LOCPATH=$ZELVANU_WINE_DIR/locale
    export LANG=ja_JP.UTF-8
    unset LC_ALL
    if [ -f "$ZELVANU_WINE_DIR/display" ]; then
        DISPLAY=$(cat "$ZELVANU_WINE_DIR/display")
        export DISPLAY
    fi
}
