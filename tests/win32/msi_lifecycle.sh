#!/usr/bin/env bash
# Installs, starts, upgrades and removes the MSI the way an administrator would:
# silently, with Wine's 64-bit msiexec, in the prefix WINEPREFIX on DISPLAY;
# and checks that the portable ZIP CPack made carries the same program.
# usage: msi_lifecycle.sh MSI EXE ICON MAKE_MSI VERSION ZIP
set -uo pipefail
msi=$1 exe=$2 icon=$3 make_msi=$4 version=$5 zip=$6
c=$WINEPREFIX/drive_c
folder="$c/Program Files/Quennarix"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
source "$(dirname "$0")/../checks.sh"

product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
reg_value() { # KEY NAME
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
entries() { wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | grep -c 'DisplayName *REG_SZ *Quennarix$'; }
shortcuts() { find "$c" -path '*Start Menu/Programs/Quennarix.lnk' | wc -l; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
next=$(awk -F. '{ printf "%d.%02d", $1, $2 + 1 }' <<<"$version")
"$make_msi" "$next" "$exe" "$icon" "$work/next.msi" || exit 1
code=$(product_code "$msi")
next_code=$(product_code "$work/next.msi")
check "each version is its own product" test "$code" != "$next_code"

wine msiexec /i "$msi" /qn
check "silent install of $version" equals "$?" 0
check "the exe in Program Files is the one built" cmp "$exe" "$folder/quennarix.exe"
zipped_exe() {
    python3 -c 'import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
names = [n for n in archive.namelist() if n.split("/")[-1] == "quennarix.exe"]
assert len(names) == 1, names
sys.stdout.buffer.write(archive.read(names[0]))' "$zip" >"$work/zipped.exe"
}
check "the ZIP holds one quennarix.exe" zipped_exe
check "... the same bytes as the MSI installed" cmp "$work/zipped.exe" "$folder/quennarix.exe"
check "one Start-menu shortcut" equals "$(shortcuts)" 1
key="$uninstall\\$code"
check "Add/Remove Programs names it" equals "$(reg_value "$key" DisplayName)" Quennarix
check "... with its version" equals "$(reg_value "$key" DisplayVersion)" "$version"
check "... its publisher" equals "$(reg_value "$key" Publisher)" "The Quennarix authors"
check "... and its web site" equals "$(reg_value "$key" URLInfoAbout)" "https://quennarix.org/"
check "... and keeps its icon" test -s "$c/windows/Installer/$code/quennarix.ico"

wine "C:\\Program Files\\Quennarix\\quennarix.exe" &
program=$!
window_opens() { "$(dirname "$0")/../../harness/find_window.sh" Quennarix 20 >/dev/null; }
check "the installed program opens its window" window_opens
wine taskkill /im quennarix.exe >/dev/null 2>&1
wait "$program"
check "it closes with status 0" equals "$?" 0

wine msiexec /i "$work/next.msi" /qn
check "silent upgrade to $next" equals "$?" 0
check "one entry after the upgrade" equals "$(entries)" 1
check "... which is $next" equals "$(reg_value "$uninstall\\$next_code" DisplayVersion)" "$next"
check "one shortcut after the upgrade" equals "$(shortcuts)" 1

wine msiexec /i "$msi" /qn
check "a downgrade is refused" test "$?" -ne 0
check "... and $next stays" equals "$(reg_value "$uninstall\\$next_code" DisplayVersion)" "$next"

wine msiexec /x "$work/next.msi" /qn
check "silent uninstall" equals "$?" 0
check "no folder left in Program Files" test ! -e "$folder"
check "no shortcut left" equals "$(shortcuts)" 0
check "no Add/Remove Programs entry left" equals "$(entries)" 0
check "no registry key left" bash -c "! wine reg query 'HKLM\\Software\\Quennarix' >/dev/null 2>&1"
check "no cached icon left" test ! -e "$c/windows/Installer/$next_code"

finish
