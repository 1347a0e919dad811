#!/usr/bin/env bash
# An unattended upgrade over an older installation, with one installed file held open by
# another program. Version 6.10.0.5 is installed first from a package that also carries a
# module and a filter the new version drops. The 6.20.0.0 setup then upgrades without a
# question: the dropped files go, the product is replaced, the uninstall entry shows the new
# version. The held readme.txt keeps its old content for now; the new one waits beside it,
# and both steps that replace it at the next start of Windows are in
# PendingFileRenameOperations. After a restart (a new Wine server session) it is in place.
#
#   upgrade.sh PACKAGE_DIR OLD_PICTRV6_EXE HOLD_FILE_EXE
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 3 'PACKAGE_DIR OLD_PICTRV6_EXE HOLD_FILE_EXE' "$@"
package="$1"

e2e_begin upgrade
copy_package "$package" Package
copy_package "$package" Old
old="$prefix/drive_c/Old"
cp "$2" "$old/Pictrv6.exe"
cp "$3" "$prefix/drive_c/hold_file.exe"
printf 'Pictorva 6.10 read-me\r\n' >"$old/readme.txt"
printf 'legacy module\r\n' >"$old/PvLegacy.dll"
printf 'Pictorva 6 filter: Emboss\r\n' >"$old/Filters/Emboss.pvf"
printf 'File Copy: PvLegacy.dll\r\n' >>"$old/PictrvUnInst.log"

run 'C:\Old\setup.exe' -s
expect_equal "6.10 install: exit status" "$status" 0
folder='C:\Program Files (x86)\Pictorva 6'
installed="$(unix_path "$folder")"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pictorva 6'
expect_equal "6.10 install: DisplayVersion" "$(reg_value "$uninstall" DisplayVersion)" 6.10.00
expect_file "$folder\\PvLegacy.dll"
expect_file "$folder\\Filters\\Emboss.pvf"

wine 'C:\hold_file.exe' "$folder\\readme.txt" 'C:\held' >"$prefix/hold_file.out" 2>&1 </dev/null &
wait_for "[ -e '$prefix/drive_c/held' ]" 60 || fail "readme.txt could not be held open"

run 'C:\Package\setup.exe' -s
expect_equal "upgrade: exit status" "$status" 0
cmp -s "$installed/Pictrv6.exe" "$package/Pictrv6.exe" || fail "Pictrv6.exe was not replaced"
expect_equal "upgrade: DisplayVersion" "$(reg_value "$uninstall" DisplayVersion)" 6.20.00
expect_no_path "$folder\\PvLegacy.dll"
expect_no_path "$folder\\Filters\\Emboss.pvf"
expect_file "$folder\\Filters\\Sepia.pvf"
links="$(tr -d '\r' <"$installed/PictrvUnInst.log" | grep -c '^Shell Link: ')"
expect_equal "upgrade: shortcuts in the install log" "$links" 5
tr -d '\r' <"$installed/PictrvUnInst.log" | grep -q '^File Copy: PvLegacy.dll' &&
  fail "the install log is still the old manifest"

# The held file: old content in place, the new one staged beside it.
expect_equal "held readme.txt, before the restart" "$(tr -d '\r' <"$installed/readme.txt" | head -n 1)" \
  "Pictorva 6.10 read-me"
cmp -s "$installed/readme.txt.new" "$package/readme.txt" || fail "the new readme.txt is not staged"
pending="$(pending_operations)"
echo "$pending" | grep PendingFileRenameOperations
echo "$pending" | grep -F -q "\\??\\$folder\\readme.txt\\0\\0" ||
  fail "the held readme.txt is not to be deleted at the next start: $pending"
# A plain rename (no "!"): the deletion before it has cleared the way.
echo "$pending" | grep -F -q "\\??\\$folder\\readme.txt.new\\0\\??\\$folder\\readme.txt" ||
  fail "the staged readme.txt is not to be renamed at the next start: $pending"

# Restart: the holder goes, and a new server session carries out the pending operations.
wineserver -k
wine64 cmd /c exit
wineserver -w
cmp -s "$installed/readme.txt" "$package/readme.txt" || fail "after the restart, readme.txt is not the new one"
expect_no_path "$folder\\readme.txt.new"
e2e_end
