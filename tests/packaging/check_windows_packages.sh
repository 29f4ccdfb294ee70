#!/bin/sh
# Checks one architecture's Windows packages where users meet them, under Wine in the project's
# session:
#   check_windows_packages.sh ARCH ZIP MSI LATER_MSI VERSION END_TO_END.exe MESSAGE_BOX_TEXT.exe WXS
#                             [OTHER_MSI]
# ARCH is x64 or x86. The zip holds zelvanu.exe (under 600 KB, importing system DLLs only, with
# ASLR and DEP, and high-entropy ASLR on x64), LICENSE.txt and README.txt, and the unzipped
# program works end to end. The MSI installs per machine with a Start-menu shortcut and an
# Apps & features entry, in the folder and registry view of its architecture, and the installed
# program works end to end; a later version replaces it, this one is then refused with the
# Japanese message, and uninstalling leaves nothing behind. Its Japanese texts are stored in
# code page 932. OTHER_MSI, the other architecture's package of the same version, and this one
# replace each other: one Zelvanu is installed at a time.
# Where this machine does not run the x86 program (x86_not_run in scripts/lib/wine.sh), the x86
# packages get only the checks that need no running: the zip's program (machine type, imports,
# ASLR and DEP, the manifest's processor) and the MSI's tables (code page and Japanese texts,
# install folder, registry view, upgrade rows, the upgrade code shared with OTHER_MSI).
# The session has a home of its own (scripts/lib/wine.sh), so nothing can reach the user's; no
# shortcut may reach a desktop's application menu there either.
set -eu
arch=$1 zip=$2 msi=$3 later=$4 version=$5 driver=$6 box_reader=$7 wxs=$8 other=${9:-}
here=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*"; exit 1; }
run() { "$here/scripts/wine-env" "$@" </dev/null; }
product_code() { msiinfo export "$1" Property | awk -F '\t' '$1 == "ProductCode" { print $2 }' | tr -d '\r'; }
# Where a package installs, by the architecture its summary names ("x64;1041", "Intel;1041"):
# its registry view (a 32-bit package writes HKLM\Software's 32-bit view, which is what a plain
# "wine reg" reads where Wine has its 32-bit half) and its Program Files.
bits() { case $(msiinfo suminfo "$1" | sed -n 's/^Template: //p') in x64*) echo 64 ;; *) echo 32 ;; esac; }
program_files() { [ "$(bits "$1")" = 64 ] && echo 'Program Files' || echo 'Program Files (x86)'; }
# An uninstall entry of a package, or any key in that package's registry view.
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entry() { run reg query "$uninstall_key\\$(product_code "$1")" /reg:"$(bits "$1")" 2>/dev/null | iconv -f CP932 -t UTF-8; }
exists() { run reg query "$2" /reg:"$(bits "$1")" >/dev/null 2>&1; }
installed() { exists "$1" "$uninstall_key\\$(product_code "$1")"; }

case $arch in
x64) objdump=x86_64-w64-mingw32-objdump format=pei-x86-64 flags="HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT"
    processor=amd64 ;;
x86) objdump=i686-w64-mingw32-objdump format=pei-i386 flags="DYNAMIC_BASE NX_COMPAT" processor=x86 ;;
*) fail "no architecture $arch" ;;
esac
msi_bits=$(bits "$msi")
[ "$msi_bits" = "$([ "$arch" = x64 ] && echo 64 || echo 32)" ] || fail "the MSI is not for $arch"

work=$(mktemp -d)
trap '"$here/scripts/wine-session" stop >/dev/null; rm -rf "$work"' EXIT
touch "$work/started"

# The portable zip.
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LICENSE.txt README.txt zelvanu.exe " ] ||
    fail "the zip holds $(unzip -Z1 "$zip" | tr '\n' ' ')"
unzip -q "$zip" -d "$work/zip"
size=$(stat -c %s "$work/zip/zelvanu.exe")
[ "$size" -lt 614400 ] || fail "zelvanu.exe is $size bytes, not under 600 KB"
headers=$("$objdump" -p "$work/zip/zelvanu.exe")
printf '%s\n' "$headers" | grep -q "file format $format\$" || fail "zelvanu.exe is not $format"
for flag in $flags; do
    printf '%s\n' "$headers" | grep -qx "[[:space:]]*$flag" || fail "zelvanu.exe lacks $flag"
done
dlls=$(printf '%s\n' "$headers" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
for dll in $dlls; do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | ole32.dll | oleaut32.dll | oleacc.dll | msvcrt.dll) ;;
    *) fail "zelvanu.exe imports $dll, which Windows does not ship" ;;
    esac
done
"${objdump%objdump}windres" -i "$work/zip/zelvanu.exe" -O rc | grep -qF "processorArchitecture=\"\"$processor\"\"" ||
    fail "zelvanu.exe's manifest does not name the processor $processor"
echo "ok: the zip holds zelvanu.exe ($format, $size bytes, $flags; imports $dlls; manifest for $processor), LICENSE.txt and README.txt"

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
# (One summary, the one Windows reads: msitools can add a second of the same name to the database.)
[ "$(msiinfo streams "$msi" | grep -c SummaryInformation)" -eq 1 ] || fail "not one summary stream"
msiinfo extract "$msi" "$(printf '\005SummaryInformation')" |
    grep -qaF "$(attribute Package Comments | iconv -f UTF-8 -t CP932)" ||
    fail "the summary's comments are not in code page 932"
echo "ok: the installer's Japanese texts are stored in code page 932"

# Where the package installs and what it replaces, as its tables say: the folder and registry view
# of its architecture (the 64-bit component attribute), this version and earlier ones replaced
# (same-version too, for the other architecture's package), later ones detected and refused.
row() { msiinfo export "$1" "$2" | tr -d '\r' | awk -F '\t' -v key="$3" '$1 == key'; }
[ "$msi_bits" = 64 ] && parent=ProgramFiles64Folder component=256 || parent=ProgramFilesFolder component=0
[ "$(row "$msi" Directory INSTALLDIR)" = "INSTALLDIR	$parent	Zelvanu" ] || fail "INSTALLDIR is not $parent\\Zelvanu"
[ "$(row "$msi" Component Program | cut -f 4)" = "$component" ] || fail "the program's component is not $msi_bits-bit"
upgrade=$(msiinfo export "$msi" Upgrade | tr -d '\r' | sed 1,3d | sort)
code=$(attribute Product UpgradeCode)
[ "$upgrade" = "$(printf '{%s}\t\t%s\t\t513\t\tWIX_UPGRADE_DETECTED\n{%s}\t%s\t\t\t2\t\tWIX_DOWNGRADE_DETECTED' \
    "$code" "$version" "$code" "$version")" ] || fail "the upgrade rows are: $upgrade"
[ -z "$other" ] || [ "$(msiinfo export "$other" Upgrade | tr -d '\r' | sed 1,3d | sort)" = "$upgrade" ] ||
    fail "$other has other upgrade rows"
echo "ok: installs into $(program_files "$msi")\\Zelvanu ($msi_bits-bit), replaces $version and earlier, refuses later versions"

not_run=$([ "$arch" = x64 ] || bash -c '. "$1/scripts/lib/wine.sh" && x86_not_run' _ "$here")
if [ -n "$not_run" ]; then
    echo "not run here: the $arch program unzipped and installed, upgrades, the refused downgrade, uninstalling and the other package replacing this one, under Wine: $not_run"
    echo "windows packages: the checks that need no running passed"
    exit 0
fi

"$here/scripts/wine-session" start >/dev/null
run "$driver" "$work/zip/zelvanu.exe" || fail "the unzipped program, end to end"

# The installer, on a prefix where none of these packages is left from a check that failed.
for package in "$msi" "$later" $other; do
    installed "$package" && run msiexec /x "$package" /qn
done
run msiexec /i "$msi" /qn || fail "msiexec /i exited $?"
prefix=$(bash -c '. "$1/scripts/lib/wine.sh" && echo "$ZELVANU_WINE_DIR/prefix"' _ "$here")
folder=$(program_files "$msi")
program="$prefix/drive_c/$folder/Zelvanu/zelvanu.exe"
[ -f "$program" ] || fail "no $program"
shortcut=$(find "$prefix/drive_c" -name Zelvanu.lnk | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
entry=$(entry "$msi")
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
echo "ok: installed into $folder\\Zelvanu, with ${shortcut#"$prefix/drive_c/"} and an Apps & features entry"
run "$driver" "C:\\$folder\\Zelvanu\\zelvanu.exe" || fail "the installed program, end to end"

# A later version replaces this one; this one is then refused.
run msiexec /i "$later" /qn || fail "the later version did not install"
installed "$msi" && fail "the later version left this one installed"
if run msiexec /i "$msi" /qn; then fail "an older version installed over a newer one"; fi
# As a user meets it: the refusal in a message box, in Japanese.
run msiexec /i "$msi" /qb >/dev/null 2>&1 &
refusal=$(run "$box_reader" | sed -n 2p)
wait $! && fail "an older version installed over a newer one"
[ "$refusal" = "$downgrade" ] || fail "the refusal says '$refusal'"
echo "ok: a later version replaces this one, and this one is then refused: 「$refusal」"

# Nothing of a package is left once it is gone.
left_behind() { # MSI
    [ ! -e "$prefix/drive_c/$(program_files "$1")/Zelvanu" ] || fail "$(program_files "$1")\\Zelvanu is left"
    installed "$1" && fail "the Apps & features entry of $1 is left"
    exists "$1" 'HKLM\Software\Zelvanu' && fail "HKLM\\Software\\Zelvanu is left"
    return 0
}
run msiexec /x "$later" /qn || fail "msiexec /x exited $?"
left_behind "$later"
[ -z "$(find "$prefix/drive_c" -name Zelvanu.lnk)" ] || fail "the shortcut is left"
echo "ok: uninstalling removes every file, folder, shortcut and registry key"

# The other architecture's package of this version and this one replace each other.
if [ -n "$other" ]; then
    run msiexec /i "$other" /qn || fail "$other did not install"
    run msiexec /i "$msi" /qn || fail "this package did not install over $other"
    installed "$msi" || fail "this package is not installed over $other"
    left_behind "$other"
    run msiexec /i "$other" /qn || fail "$other did not install over this package"
    installed "$other" || fail "$other is not installed over this package"
    left_behind "$msi"
    [ "$(find "$prefix/drive_c" -name Zelvanu.lnk | wc -l)" -eq 1 ] || fail "not one shortcut"
    run msiexec /x "$other" /qn || fail "msiexec /x $other exited $?"
    left_behind "$other"
    echo "ok: this package and $(basename "$other") replace each other: one Zelvanu at a time"
fi

home=$(bash -c '. "$1/scripts/lib/wine.sh" && wine_environment && echo "$HOME"' _ "$here")
menus=$(find "$home" -xdev -newer "$work/started" -type f \( -path '*/applications/*' \
    -o -path '*/desktop-directories/*' -o -path '*/menus/*' \) 2>/dev/null || true)
[ -z "$menus" ] || fail "the install put entries into a desktop's application menu: $menus"
echo "ok: no entry reached a desktop's application menu"
echo "windows packages: all checks passed"
