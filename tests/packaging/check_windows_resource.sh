#!/bin/sh
# Compiles the Windows version resource with the MinGW resource compiler and reads it back: the
# version numbers, the Japanese Unicode block and the version strings must be there.
#   check_windows_resource.sh WINDRES RC_FILE GENERATED_DIR VERSION SHORT_VERSION
set -eu
windres=$1 rc=$2 generated=$3 version=$4 short=$5
res=$(mktemp)
trap 'rm -f "$res"' EXIT
"$windres" --preprocessor=cpp -I "$generated" -I "$(dirname "$rc")" -i "$rc" -O res -o "$res"
text=$("$windres" -i "$res" -O rc)
numbers=$(echo "$version" | sed 's/\./, /g')
for expected in "FILEVERSION ${numbers}, 0" "PRODUCTVERSION ${numbers}, 0" 'BLOCK "041104B0"' \
    "VALUE \"FileVersion\", \"$short\"" "VALUE \"ProductVersion\", \"$short\"" "RT_GROUP_ICON"; do
    printf '%s\n' "$text" | grep -qF "$expected" || { echo "FAIL: no '$expected' in the resource"; exit 1; }
done
echo "windows resource: all checks passed"
