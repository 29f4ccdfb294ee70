# Shared by the Wine scripts: where the private Wine session lives and the environment of every
# Wine process in it.
# shellcheck shell=bash

# The session's folder: the prefix, the compiled Japanese locale, the display it runs on.
ZELVANU_WINE_DIR=${ZELVANU_WINE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine}

# What the Windows build and its tests under Wine need, for both architectures: the x64 and the
# x86 compilers, and both halves of Wine (the 32-bit one from dpkg's i386 architecture).
ZELVANU_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest
    wine wine64 wine32:i386 fonts-wine fonts-ipafont-gothic libxrender1 libxrandr2 libxi6 libxcursor1
    libxfixes3 libxinerama1 libxcomposite1 xvfb xauth locales librsvg2-bin icoutils
    wixl msitools python3 zip unzip
)

wine_environment() {
    # A home and XDG folders of the session's own: no program Wine starts can write into the
    # user's home, and the package check looks only here for what an install left behind.
    export HOME=$ZELVANU_WINE_DIR/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
    export WINEPREFIX=$ZELVANU_WINE_DIR/prefix
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
