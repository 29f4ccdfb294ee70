#!/bin/sh
# Checks a release in dist/ as a user or a distribution meets it. Its files are exactly those the
# README's table of releases names for this version: each one there, nothing else, SHA256SUMS
# naming them all and matching them. And every text file in every package says the version it
# is: no @NAME@ placeholder of a template is left unreplaced, in the Debian packages (their
# control files, manual pages, documentation), the Windows zips and MSIs (README.txt, the
# installer's tables) or the web zip. The source package is left out of the second check: its
# templates are its content.
#   check_release.sh VERSION   (./scripts/release runs it)
set -u
version=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
dist=$here/dist
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
[ -d "$dist" ] || { echo "FAIL: no dist/: run ./scripts/release first"; exit 1; }

# The table in the README's Releases, one file a row or more (`name.zip`, `.msi` is name.msi), with the
# version it is written for replaced by this one.
wanted=$(awk '/^## Releases$/ { releases = 1 }
    releases && /^[|] file [|] for [|]$/ { table = 1; next }
    table && !/^[|]/ { exit }
    table {
        split($0, cells, "|"); cell = cells[2]
        while (match(cell, /`[^`]*`/)) {
            name = substr(cell, RSTART + 1, RLENGTH - 2); cell = substr(cell, RSTART + RLENGTH)
            if (name ~ /^\./) { sub(/\.[^.]*$/, "", last); name = last name }
            print name; last = name
        }
    }' "$here/README.md" | sed -E "s/[0-9]+\.[0-9]+\.[0-9]+/$version/" | LC_ALL=C sort)
[ -n "$wanted" ] || fail "no table of files (| file | for |) under README.md's Releases"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "$wanted" >"$work/README"
(cd "$dist" && find . -type f -printf '%P\n' | LC_ALL=C sort) >"$work/dist"
(echo SHA256SUMS; awk '{ print $2 }' "$dist/SHA256SUMS" 2>/dev/null) | LC_ALL=C sort >"$work/SHA256SUMS"
for list in dist SHA256SUMS; do
    cmp -s "$work/README" "$work/$list" ||
        fail "the files in $list are not those the README names (-README +$list):
$(diff -U0 "$work/README" "$work/$list" | grep '^[-+][^-+]')"
done
(cd "$dist" && sha256sum --quiet --strict -c SHA256SUMS) || fail "dist/ does not match its SHA256SUMS"

# Every package unpacked, compressed texts (manual pages, changelogs) uncompressed.
unpacked=$work/unpacked
mkdir "$unpacked"
for file in "$dist"/*; do
    into=$unpacked/$(basename "$file")
    case $file in
    *.deb) dpkg-deb -R "$file" "$into" ;;
    *.zip) mkdir "$into" && unzip -q "$file" -d "$into" ;;
    *.msi) # its files, and its tables as text (their binary streams beside them)
        mkdir "$into" && (cd "$into" && msiextract "$file" >/dev/null &&
            for table in $(msiinfo tables "$file"); do
                msiinfo export "$file" "$table" >"$table.idt" || exit
            done) ;;
    *.tar.xz) continue ;;
    *) cp "$file" "$unpacked/" ;;
    esac || fail "cannot unpack $(basename "$file")"
done
find "$unpacked" -type f -name '*.gz' -exec gzip -d {} +
left=$(grep -rIoE '@[A-Z][A-Z0-9_]*@' "$unpacked" | sed "s|^$unpacked/||" | sort -u)
[ -z "$left" ] || fail "placeholders left unreplaced (package/file:placeholder):
$left"

[ $failures -eq 0 ] || exit 1
echo "ok: dist/ holds the $(echo "$wanted" | wc -l) files the README names for $version, with no placeholder left in them"
