#!/bin/sh
# Installs the build into a scratch folder and checks what a desktop and a user meet there: the
# desktop entry and the AppStream metadata validate without a warning, every themed PNG has the
# size its folder names, the manual pages are there, and the program answers --version, --help
# and a bad option without a display.
#   check_installed.sh BUILD_DIR SOURCE_DIR APP_ID VERSION
set -u
build=$1 source=$2 id=$3 version=$4
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
share=$root/usr/share

out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1)
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate-tree --no-net "$root" 2>&1) || fail "appstreamcli validate-tree: $out"

# The width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(png_size "$png" 2>/dev/null)" = "${size}x$size" ] || fail "$png is not ${size}x$size"
done
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"

program=$root/usr/bin/zelvanu
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
[ "$(run --version)" = "Zelvanu $version" ] || fail "--version says '$(run --version)'"
help=$(run --help) || fail "--help exits with $?"
for option in -h --help -v --version; do
    printf '%s\n' "$help" | grep -q -- "$option" || fail "--help does not name $option"
done
for page in "$share/man/man1/zelvanu.1" "$share/man/ja/man1/zelvanu.1"; do
    [ -f "$page" ] || fail "no $page"
    for option in -h --help -v --version; do
        grep -q -- "$(printf '%s' "$option" | sed 's/-/\\\\-/g')" "$page" 2>/dev/null ||
            fail "$page does not name $option"
    done
done
bad_out=$(run --no-such-option 2>"$root/stderr")
status=$?
[ "$status" -ne 0 ] || fail "a bad option exits with 0"
[ -z "$bad_out" ] || fail "a bad option prints on stdout: $bad_out"
[ "$(wc -l <"$root/stderr")" -eq 1 ] || fail "a bad option prints: $(cat "$root/stderr")"

changelog=$(sed -n '1s/^zelvanu (\([^)]*\)).*/\1/p' "$source/debian/changelog")
[ "$changelog" = "$version" ] || fail "debian/changelog is at $changelog, the program at $version"

[ "$failures" -eq 0 ] || exit 1
echo "installed files: all checks passed"
