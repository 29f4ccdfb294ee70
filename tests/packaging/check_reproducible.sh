#!/bin/sh
# Builds the release a second time and compares it with the one in dist/, as someone checking a
# download would: in a clone of the same commit at another path, later, with another umask, time
# zone and locale. Every file SHA256SUMS names must come out the same, byte for byte; where one
# differs, diffoscope says where, and the second build is kept.
#   check_reproducible.sh      (after ./scripts/release; DEB_BUILD_OPTIONS is passed on, as the
#                               .buildinfo records it)
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
cd "$here"
fail() { echo "FAIL: $*"; exit 1; }
[ -f dist/SHA256SUMS ] || fail "no dist/SHA256SUMS: run ./scripts/release first"
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "dist/ does not match its SHA256SUMS"

# The commit of the tree that dist/ was built from: HEAD or, where the tree has changes, a
# commit of them made on the side with HEAD's time (the time stamps follow it), touching neither
# the branch nor the index.
commit=HEAD
if [ -n "$(git status --porcelain)" ]; then
    index=$(mktemp -u)
    tree=$(GIT_INDEX_FILE=$index sh -c 'git read-tree HEAD && git add -A && git write-tree')
    rm -f "$index"
    date=$(git log -1 --format=%cd --date=raw)
    commit=$(GIT_AUTHOR_DATE=$date GIT_COMMITTER_DATE=$date GIT_AUTHOR_NAME=check \
        GIT_AUTHOR_EMAIL=check@invalid GIT_COMMITTER_NAME=check GIT_COMMITTER_EMAIL=check@invalid \
        git commit-tree -p HEAD -m "The tree dist/ was built from" "$tree")
fi

mkdir -p build
second=$(mktemp -d "$here/build/second-release.XXXXXX")
git clone -q --no-checkout "$here" "$second/zelvanu"
git -C "$second/zelvanu" checkout -q --detach "$commit"
# Another umask, time zone and locale than this build's.
mask=0077 zone=Asia/Tokyo language=ja_JP.UTF-8
[ "$(umask)" = 0077 ] && mask=0002
[ "${TZ:-}" = $zone ] && zone=America/St_Johns
[ "${LANG:-}" = $language ] && language=fr_FR.UTF-8
sleep 2
echo "Building the release again in $second/zelvanu (umask $mask, TZ=$zone, LANG=$language)"
(cd "$second/zelvanu" && umask $mask && TZ=$zone LANG=$language ./scripts/release --unchecked) \
    >"$second/release.log" 2>&1 || { tail -n 40 "$second/release.log"; fail "the second build failed"; }

differ=
while read -r _ file; do
    if ! cmp -s "dist/$file" "$second/zelvanu/dist/$file"; then
        differ="$differ $file"
        diffoscope --text - "dist/$file" "$second/zelvanu/dist/$file" | head -n 60 || true
    fi
done <dist/SHA256SUMS
[ -z "$differ" ] || fail "the second build differs in$differ (it is kept in $second)"
cmp -s dist/SHA256SUMS "$second/zelvanu/dist/SHA256SUMS" ||
    fail "the second build has other files: $(diff dist/SHA256SUMS "$second/zelvanu/dist/SHA256SUMS")"
echo "ok: a second build of $(git rev-parse --short "$commit") at another path, time, umask, TZ and LANG gives the same $(wc -l <dist/SHA256SUMS) files"
rm -rf "$second"
