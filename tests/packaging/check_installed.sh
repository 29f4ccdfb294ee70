#!/bin/sh
# Installs the build into a scratch folder and checks what a desktop and a user meet there: the
# desktop entry and the AppStream metadata validate without a warning, the entry's icon and
# program are the installed ones, every themed PNG has the size its folder names, the manual
# pages render without a warning (the Japanese one as Japanese text, with no blanks spread
# through its lines), and the program answers --version, --help and a bad option, with their
# exit statuses, without a display.
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

entry=$share/applications/$id.desktop
out=$(desktop-file-validate "$entry" 2>&1)
[ -z "$out" ] || fail "desktop-file-validate: $out"
# Validators accept an Icon= or Exec= that names nothing installed; the menu would not.
key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
icon=$(key Icon)
exec_program=$(key Exec | cut -d' ' -f1)
[ -x "$root/usr/bin/$exec_program" ] || fail "Exec= names '$exec_program', which is not installed"
out=$(appstreamcli validate-tree --no-net "$root" 2>&1) || fail "appstreamcli validate-tree: $out"

# The width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$icon.png
    [ "$(png_size "$png" 2>/dev/null)" = "${size}x$size" ] || fail "Icon=$icon: $png is not ${size}x$size"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon: no scalable icon"

program=$root/usr/bin/zelvanu
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
out=$(run --version)
status=$?
[ "$status" -eq 0 ] || fail "--version exits with $status"
[ "$out" = "Zelvanu $version" ] || fail "--version says '$out'"
help=$(run --help)
status=$?
[ "$status" -eq 0 ] || fail "--help exits with $status"
for option in -h --help -v --version --working; do
    printf '%s\n' "$help" | grep -q -- "$option" || fail "--help does not name $option"
done
for page in "$share/man/man1/zelvanu.1" "$share/man/ja/man1/zelvanu.1"; do
    [ -f "$page" ] || fail "no $page"
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "$page renders with warnings: $out"
    for option in -h --help -v --version --working; do
        grep -q -- "$(printf '%s' "$option" | sed 's/-/\\\\-/g')" "$page" 2>/dev/null ||
            fail "$page does not name $option"
    done
done
# Japanese has no blanks between words: a line of the rendered page (header and footer aside) has
# no run of blanks after its indent, and no blank between two Japanese characters. The page is
# rendered as `man -l` shows a file and as `man -L ja` shows it, with the Japanese macros.
japanese='[\p{Han}\p{Hiragana}\p{Katakana}、。（）「」]'
for how in "-l $share/man/ja/man1/zelvanu.1" "-L ja zelvanu"; do
    # shellcheck disable=SC2086
    rendered=$(MANPATH=$share/man LC_ALL=C.UTF-8 MANWIDTH=80 man $how 2>/dev/null | sed '1d;$d')
    [ -n "$rendered" ] || fail "man $how shows nothing"
    printf '%s\n' "$rendered" | sed 's/^ *//' | grep -n '  ' && fail "man $how spreads blanks"
    printf '%s\n' "$rendered" | grep -nP "$japanese $japanese" &&
        fail "man $how puts blanks between Japanese characters"
done
bad_out=$(run --no-such-option 2>"$root/stderr")
status=$?
[ "$status" -eq 2 ] || fail "a bad option exits with $status, not 2"
[ -z "$bad_out" ] || fail "a bad option prints on stdout: $bad_out"
[ "$(wc -l <"$root/stderr")" -eq 1 ] || fail "a bad option prints: $(cat "$root/stderr")"

changelog=$(sed -n '1s/^zelvanu (\([^)]*\)).*/\1/p' "$source/debian/changelog")
[ "$changelog" = "$version" ] || fail "debian/changelog is at $changelog, the program at $version"

[ "$failures" -eq 0 ] || exit 1
echo "installed files: all checks passed"
