#!/usr/bin/env bash
# An unattended installation under Wine, in one throw-away prefix: setup.exe -install -s
# reads the version of the stub product beside it, copies what the manifest names into the
# Program Files folder, writes the install log, the shortcuts and the registry values, and
# ends with status 0.
#
#   unattended_install.sh SETUP_EXE PICTRV6_EXE
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/wine-env
. "$here/../../scripts/wine-env"
[ $# -eq 2 ] || { echo "usage: unattended_install.sh SETUP_EXE PICTRV6_EXE" >&2; exit 2; }

wine_throwaway_prefix install || exit 2

source="$prefix/drive_c/Source"
mkdir -p "$source/Help"
cp "$1" "$source/setup.exe"
cp "$1" "$source/PictrvUnInst.exe"
cp "$2" "$source/Pictrv6.exe"
printf 'Read me.\r\n' >"$source/readme.txt"
printf 'help\r\n' >"$source/Help/intro.chm"
printf 'File Copy: Pictrv6.exe\r\nFile Copy: PictrvUnInst.exe\r\nFile Copy: readme.txt\r\nMake Dir: Help\r\nFile Copy: Help\\*.chm\r\n' \
  >"$source/PictrvUnInst.log"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

wineserver -p
timeout 900 wine 'C:\Source\setup.exe' -install -s >"$prefix/setup.out" 2>&1 </dev/null
status=$?
[ "$status" -eq 0 ] || fail "setup ended with $status"

# A 32-bit program sees the 32-bit Program Files folder of 64-bit Windows.
folder="$(find "$prefix/drive_c" -maxdepth 2 -type d -name 'Pictorva 6' -path '*Program Files*' | head -n 1)"
echo "installed into: ${folder#"$prefix/"}"
for file in Pictrv6.exe PictrvUnInst.exe readme.txt Help/intro.chm PictrvUnInst.log; do
  [ -f "$folder/$file" ] || fail "$file was not installed"
done
log="$(tr -d '\r' <"$folder/PictrvUnInst.log" 2>/dev/null)"
echo "$log"
echo "$log" | grep -q '^Made Dir: .*Pictorva 6$' || fail "no Made Dir line in the install log"
links="$(echo "$log" | grep -c '^Shell Link: ')"
[ "$links" -eq 5 ] || fail "$links shortcuts recorded, 5 expected (group of four and desktop)"
# Drive C: is the prefix's drive_c folder (a 32-bit winepath would cost a minute a call).
echo "$log" | grep '^Shell Link: ' | sed 's/^Shell Link: //' | while read -r lnk; do
  unix="$prefix/drive_c/$(echo "${lnk#?:\\}" | tr '\\' '/')"
  [ -f "$unix" ] || echo "FAIL: shortcut missing: $lnk"
done | tee "$prefix/links.txt"
grep -q FAIL "$prefix/links.txt" && failures=$((failures + 1))

values="$(wine reg query 'HKLM\Software\Quillmark\Pictorva 6' /reg:32 2>/dev/null </dev/null | tr -d '\r')"
echo "$values"
echo "$values" | grep -q 'AllUsers.*REG_SZ.*B' || fail "AllUsers is not B"
version="$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pictorva 6' \
  /v DisplayVersion /reg:32 2>/dev/null </dev/null | tr -d '\r')"
echo "$version"
echo "$version" | grep -q 'DisplayVersion.*6\.20\.00' || fail "DisplayVersion is not 6.20.00"

echo "$failures failed"
[ "$failures" -eq 0 ]
