# Shared by the scripts: installing what is missing, and the package lists.
# shellcheck shell=bash

# What every build needs: both compilers, CMake, the test and benchmark libraries, Qt, the Japanese
# translations of Qt's stock texts, a Japanese font, the icon renderer, Xvfb and a session bus
# with the accessibility bus for the window's tests and start-up benchmark, and the validators
# that check what gets installed. What the Windows program needs is in lib/wine.sh.
ZELVANU_PACKAGES=(
    g++ clang cmake ninja-build
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic librsvg2-bin
    xvfb xauth libx11-dev libxdamage-dev dbus-daemon at-spi2-core
    desktop-file-utils appstream man-db
)

# What the page needs: emscripten and Node to build it, the icon renderer, the three engines it
# is tested in (WebKitGTK draws on Xvfb), zip for its package. npm comes with ensure_node_modules.
ZELVANU_WEB_PACKAGES=(
    emscripten nodejs librsvg2-bin googletest
    chromium firefox-esr webkit2gtk-driver xvfb xauth fonts-ipafont-gothic zip unzip
)

# Installs what the page's tests use from the lock file: their driver, puppeteer-core (which never
# downloads a browser), axe-core and Lighthouse; unless they are there already. npm is Debian's
# unless a Node.js that brings its own is installed.
ensure_node_modules() {
    local module missing=
    for module in puppeteer-core axe-core lighthouse; do
        [ -d "tests/web/node_modules/$module" ] || missing=1
    done
    [ -z "$missing" ] && return 0
    command -v npm >/dev/null || ensure_packages npm
    (cd tests/web && npm ci --no-audit --no-fund)
}

# What comparing two builds of a release takes: diffoscope says where two files differ.
ZELVANU_RELEASE_TOOLS=(git diffoscope-minimal)

# What building the Debian package takes besides its Build-Depends (see package_build_depends):
# git lists the files that go into the source package.
ZELVANU_PACKAGE_TOOLS=(build-essential dpkg-dev debhelper lintian git)

# The packages debian/control's Build-Depends names, without versions, architectures or build
# profiles; debhelper-compat is provided by debhelper.
package_build_depends() {
    sed -n '/^Build-Depends:/,/^[^ ]/{/^Build-Depends:/s/^[^:]*://;/^[^ ]/d;p}' debian/control |
        tr ',' '\n' | sed 's/([^)]*)//; s/<[^>]*>//g; s/\[[^]]*\]//; s/[[:space:]]//g' |
        sed 's/^debhelper-compat$/debhelper/' | grep -v '^$'
}

# Runs a command as root: directly when the caller is, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Fetches apt's package lists. A mirror in the middle of an update fails for one index or another
# ("File has unexpected size ... Mirror sync in progress?"): it is tried three times, a few
# seconds apart, and then the lists that did come are used; whether that is enough is up to the
# install that follows.
apt_update() {
    local try
    for try in 1 2 3; do
        as_root apt-get update && return 0
        [ "$try" -eq 3 ] || sleep $((try * 5))
    done
    echo "apt-get update failed for the lists above; going on with those that came." >&2
}

# Installs, with apt, those of the given packages that are not installed yet, and fails only when
# one of them cannot be installed, naming it with apt's reason.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local updated= arch
    echo "Installing: ${missing[*]}"
    # A package of another architecture (wine32:i386) needs that architecture in dpkg, and the
    # lists of its packages.
    for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*://p' | sort -u); do
        if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
            as_root dpkg --add-architecture "$arch"
            updated=1
        fi
    done
    compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null || updated=1
    [ -z "$updated" ] || apt_update
    apt_install "${missing[@]}" && return 0
    # Lists older than the mirror name files it no longer has: once more, with fresh ones.
    if [ -z "$updated" ]; then
        apt_update
        apt_install "${missing[@]}" && return 0
    fi
    local why
    for pkg in "${missing[@]}"; do
        if ! why=$(as_root apt-get install -s -y --no-install-recommends "$pkg" 2>&1); then
            echo "Cannot install $pkg; apt says:"
            printf '%s\n' "$why" | grep -E '^ |^E:' | head -n 8
        fi
    done >&2
    return 1
}

apt_install() {
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "$@"
}

# The checks a run did not do and why, for the closing line of ./scripts/test and
# ./scripts/release: the outermost of them keeps the list (one "why<TAB>what" a line, in the file
# ZELVANU_SKIPPED), the scripts it starts add to it, and it prints the list when it ends.
skipped_begin() {
    [ -z "${ZELVANU_SKIPPED:-}" ] || return 0
    ZELVANU_SKIPPED=$(mktemp)
    export ZELVANU_SKIPPED
    skipped_owner=1
}

# Adds a check that was not done:  skipped_add WHAT WHY
skipped_add() {
    echo "Not run: $1: $2" >&2
    [ -z "${ZELVANU_SKIPPED:-}" ] || printf '%s\t%s\n' "$2" "$1" >>"$ZELVANU_SKIPPED"
}

# The closing line: what was not done, grouped by why, or that everything ran.
skipped_end() {
    [ -n "${skipped_owner:-}" ] || return 0
    if [ -s "$ZELVANU_SKIPPED" ]; then
        awk -F '\t' '{ if ($1 in what) what[$1] = what[$1] "; " $2; else { order[++n] = $1; what[$1] = $2 } }
            END { for (i = 1; i <= n; ++i) printf "%sSkipped, because %s: %s.", (i > 1 ? " " : ""), order[i], what[order[i]]; print "" }' \
            "$ZELVANU_SKIPPED"
    else
        echo "Nothing was skipped: every check ran."
    fi
    rm -f "$ZELVANU_SKIPPED"
}

# Configures and builds one CMake preset, or only the given targets of it.
build_preset() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" ${1:+--target "$@"}
}

# Starts a private Xvfb on a free display and returns once it accepts clients; sets
# XVFB_DISPLAY (":N") and XVFB_PID. Xvfb itself picks the display and reports it on -displayfd,
# so there is no guessing and no polling. It is detached from the caller's terminal and output,
# so that a caller such as CTest does not wait on it. The screen is 800x600x24 unless given.
start_xvfb() {
    local ready number
    ready=$(mktemp -u)
    mkfifo "$ready"
    setsid Xvfb -displayfd 3 -screen 0 "${1:-800x600x24}" -nolisten tcp 3>"$ready" </dev/null \
        >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r number <"$ready" || true
    rm -f "$ready"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    XVFB_DISPLAY=:$number
}

# Exports SOURCE_DATE_EPOCH, the time that every time stamp in the packages takes: the caller's,
# or else the time of the commit being built, so that the same commit gives the same files.
set_source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    fi
    export SOURCE_DATE_EPOCH
}

# Zips every file below a folder into an archive, the same bytes from the same files wherever
# and whenever it runs: names in byte order, no folder entries, each entry with the time
# SOURCE_DATE_EPOCH and the permissions rw-r--r--, no extra fields (owner, other time stamps).
# The folder itself is left as it is (a build's outputs keep their times).
#   reproducible_zip ARCHIVE FOLDER
reproducible_zip() {
    local archive stage
    archive=$(realpath -m "$1")
    stage=$(mktemp -d)
    cp -R "$2/." "$stage"
    find "$stage" -type f -exec chmod 0644 {} + -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
    rm -f "$archive"
    # A zip stores local times: the time zone is fixed so that the time stays the same.
    (cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | TZ=UTC zip -q -X -D "$archive" -@)
    rm -rf "$stage"
}
