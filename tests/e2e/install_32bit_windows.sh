#!/usr/bin/env bash
# The same unattended installation on 32-bit Windows (a 32-bit Wine prefix), where the
# setup is not under WOW64: the product goes to the one Program Files folder, the manifest's
# 64-bit line is passed over so the 32-bit thumbnail handler stays, and the registry values
# are in the machine's only view. The uninstall through the temporary copy then takes it all
# away again.
#
#   install_32bit_windows.sh PACKAGE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 1 'PACKAGE_DIR' "$@"
package="$1"

export WINEARCH=win32
e2e_begin win32
copy_package "$package" Package
run 'C:\Package\setup.exe' -s
expect_equal "exit status" "$status" 0

folder='C:\Program Files\Pictorva 6'
installed="$(unix_path "$folder")"
for file in Pictrv6.exe PictrvUnInst.exe PvCodec.dll 'Filters\Sepia.pvf' 'Palettes\Default.pal'; do
  expect_file "$folder\\$file"
done
cmp -s "$installed/PvThumb.dll" "$package/PvThumb.dll" || fail "PvThumb.dll is not the 32-bit one"
expect_equal "shortcuts in the install log" \
  "$(tr -d '\r' <"$installed/PictrvUnInst.log" 2>/dev/null | grep -c '^Shell Link: ')" 5
expect_equal Path "$(reg_value 'HKLM\Software\Quillmark\Pictorva 6' Path)" "$folder"
expect_equal DisplayVersion \
  "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pictorva 6' DisplayVersion)" 6.20.00

run "$folder\PictrvUnInst.exe" -s
expect_equal "uninstaller: exit status" "$status" 0
wait_for "[ ! -e '$installed' ] && ! pgrep -f 'uni[0-9A-Fa-f]*\\.tmp' >/dev/null" 120 ||
  fail "the install folder is still there after the uninstall"
reg_key_exists 'HKLM\Software\Quillmark' && fail "the maker's key is still there"
pending_operations | grep -qi 'uni[0-9a-f]*\.tmp' || fail "the uninstaller's copy is not to be deleted"
e2e_end
