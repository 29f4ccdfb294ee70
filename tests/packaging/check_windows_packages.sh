#!/bin/sh
# Checks the Windows packages where users meet them, under Wine in the project's session:
#   check_windows_packages.sh ZIP MSI LATER_MSI VERSION END_TO_END.exe MESSAGE_BOX_TEXT.exe WXS
# The zip holds zelvanu.exe (at most 1 MiB, importing system DLLs only), LICENSE.txt and
# README.txt, and the unzipped program works end to end. The MSI installs per machine with a
# Start-menu shortcut and an Apps & features entry, and the installed program works end to end;
# a later version replaces it, this one is then refused with the Japanese message, and
# uninstalling leaves nothing behind. Its Japanese texts are stored in code page 932.
# The session has a home of its own (scripts/lib/wine.sh), so nothing can reach the user's; no
# shortcut may reach a desktop's application menu there either.
set -eu
zip=$1 msi=$2 later=$3 version=$4 driver=$5 box_reader=$6 wxs=$7
here=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*"; exit 1; }
run() { "$here/scripts/wine-env" "$@" </dev/null; }
query() { run reg query "$1" 2>/dev/null | iconv -f CP932 -t UTF-8; }
exists() { run reg query "$1" >/dev/null 2>&1; }
product_code() { msiinfo export "$1" Property | awk -F '\t' '$1 == "ProductCode" { print $2 }' | tr -d '\r'; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

work=$(mktemp -d)
trap '"$here/scripts/wine-session" stop >/dev/null; rm -rf "$work"' EXIT
touch "$work/started"

# The portable zip.
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LICENSE.txt README.txt zelvanu.exe " ] ||
    fail "the zip holds $(unzip -Z1 "$zip" | tr '\n' ' ')"
unzip -q "$zip" -d "$work/zip"
size=$(stat -c %s "$work/zip/zelvanu.exe")
[ "$size" -le 1048576 ] || fail "zelvanu.exe is $size bytes, over 1 MiB"
dlls=$(x86_64-w64-mingw32-objdump -p "$work/zip/zelvanu.exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
for dll in $dlls; do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | ole32.dll | oleaut32.dll | oleacc.dll | msvcrt.dll) ;;
    *) fail "zelvanu.exe imports $dll, which Windows does not ship" ;;
    esac
done
echo "ok: the zip holds zelvanu.exe ($size bytes; imports $dlls), LICENSE.txt and README.txt"

# The installer's Japanese texts, as the .wxs gives them, stored in code page 932: the database's
# code page, the downgrade message and the shortcut's description as msitools reads them back
# through it, and the summary's comments as cp932 bytes in its stream.
attribute() { # ELEMENT NAME: an attribute of the first such element of the .wxs
    python3 -c 'import sys, xml.etree.ElementTree as T
print(T.parse(sys.argv[1]).find(".//{http://schemas.microsoft.com/wix/2006/wi}" + sys.argv[2]).get(sys.argv[3]))' "$wxs" "$1" "$2"
}
downgrade=$(attribute MajorUpgrade DowngradeErrorMessage)
[ "$(msiinfo export "$msi" _ForceCodepage | tr -d '\r\0' | sed -n 3p)" = "932	_ForceCodepage" ] ||
    fail "the database's code page is not 932"
msiinfo export "$msi" LaunchCondition | grep -qF "	$downgrade" || fail "no downgrade message"
msiinfo export "$msi" Shortcut | grep -qF "	$(attribute Shortcut Description)	" ||
    fail "no shortcut description"
msiinfo extract "$msi" "$(printf '\005SummaryInformation')" |
    grep -qaF "$(attribute Package Comments | iconv -f UTF-8 -t CP932)" ||
    fail "the summary's comments are not in code page 932"
echo "ok: the installer's Japanese texts are stored in code page 932"

"$here/scripts/wine-session" start >/dev/null
run "$driver" "$work/zip/zelvanu.exe" || fail "the unzipped program, end to end"

# The installer.
run msiexec /i "$msi" /qn || fail "msiexec /i exited $?"
prefix=$(bash -c '. "$1/scripts/lib/wine.sh" && echo "$ZELVANU_WINE_DIR/prefix"' _ "$here")
program="$prefix/drive_c/Program Files/Zelvanu/zelvanu.exe"
[ -f "$program" ] || fail "no $program"
shortcut=$(find "$prefix/drive_c" -name Zelvanu.lnk | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
code=$(product_code "$msi")
entry=$(query "$uninstall_key\\$code")
for expected in "DisplayName    REG_SZ    Zelvanu" "DisplayVersion    REG_SZ    $version" \
    "Publisher    REG_SZ    Zelvanu Developers"; do
    printf '%s\n' "$entry" | grep -qF "$expected" || fail "no '$expected' in the Apps & features entry"
done
# Apps & features shows the icon the package names (Wine does not copy it into the entry).
msiinfo export "$msi" Property | grep -q "^ARPPRODUCTICON	zelvanu.ico" || fail "no product icon"
# Exporting the Icon table writes the icons into Icon/ of the working folder: export it in $work.
msi_path=$(realpath "$msi")
(cd "$work" && msiinfo export "$msi_path" Icon) | grep -q "^zelvanu.ico	" ||
    fail "no icon in the package"
echo "ok: installed into Program Files\\Zelvanu, with ${shortcut#"$prefix/drive_c/"} and an Apps & features entry"
run "$driver" 'C:\Program Files\Zelvanu\zelvanu.exe' || fail "the installed program, end to end"

# A later version replaces this one; this one is then refused.
run msiexec /i "$later" /qn || fail "the later version did not install"
exists "$uninstall_key\\$code" && fail "the later version left this one installed"
if run msiexec /i "$msi" /qn; then fail "an older version installed over a newer one"; fi
# As a user meets it: the refusal in a message box, in Japanese.
run msiexec /i "$msi" /qb >/dev/null 2>&1 &
refusal=$(run "$box_reader" | sed -n 2p)
wait $! && fail "an older version installed over a newer one"
[ "$refusal" = "$downgrade" ] || fail "the refusal says '$refusal'"
echo "ok: a later version replaces this one, and this one is then refused: 「$refusal」"

run msiexec /x "$later" /qn || fail "msiexec /x exited $?"
[ ! -e "$prefix/drive_c/Program Files/Zelvanu" ] || fail "Program Files\\Zelvanu is left"
[ -z "$(find "$prefix/drive_c" -name Zelvanu.lnk)" ] || fail "the shortcut is left"
exists "$uninstall_key\\$(product_code "$later")" && fail "the Apps & features entry is left"
exists 'HKLM\Software\Zelvanu' && fail "HKLM\\Software\\Zelvanu is left"
echo "ok: uninstalling removes every file, folder, shortcut and registry key"

home=$(bash -c '. "$1/scripts/lib/wine.sh" && wine_environment && echo "$HOME"' _ "$here")
menus=$(find "$home" -xdev -newer "$work/started" -type f \( -path '*/applications/*' \
    -o -path '*/desktop-directories/*' -o -path '*/menus/*' \) 2>/dev/null || true)
[ -z "$menus" ] || fail "the install put entries into a desktop's application menu: $menus"
echo "ok: no entry reached a desktop's application menu"
echo "windows packages: all checks passed"
