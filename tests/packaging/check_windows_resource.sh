#!/bin/sh
# Reads the resources back out of the built Windows program: the version numbers, the Japanese
# Unicode block, the translation that names the same language and code page (Windows looks the
# strings up through it), the version strings, the manifest naming the processor the program is
# built for (Windows refuses to start it otherwise), and an icon of six images.
#   check_windows_resource.sh WINDRES PROGRAM.exe VERSION SHORT_VERSION
set -eu
windres=$1 exe=$2 version=$3 short=$4
text=$("$windres" -i "$exe" -O rc)
case $("${windres%windres}objdump" -f "$exe") in
*pei-x86-64*) arch=amd64 ;;
*pei-i386*) arch=x86 ;;
*) echo "FAIL: $exe is no Windows program for x86 or x64"; exit 1 ;;
esac
numbers=$(echo "$version" | sed 's/\./, /g')
for expected in "FILEVERSION ${numbers}, 0" "PRODUCTVERSION ${numbers}, 0" 'BLOCK "041104B0"' \
    'VALUE "Translation", 0x411, 1200' \
    "VALUE \"FileVersion\", \"$short\"" "VALUE \"ProductVersion\", \"$short\"" "RT_GROUP_ICON" \
    "RT_MANIFEST" "processorArchitecture=\"\"$arch\"\"" "PerMonitorV2" "Microsoft.Windows.Common-Controls"; do
    printf '%s\n' "$text" | grep -qF "$expected" || { echo "FAIL: no '$expected' in the resources"; exit 1; }
done
icons=$(printf '%s\n' "$text" | grep -c '/\* RT_ICON \*/' || true)
[ "$icons" -eq 6 ] || { echo "FAIL: $icons icon images, not 6"; exit 1; }
echo "windows resources: all checks passed"
