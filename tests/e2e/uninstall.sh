#!/usr/bin/env bash
# An unattended uninstall through the uninstaller's temporary copy, after an unattended
# install and after the product took over some image types. PictrvUnInst.exe -s hands over
# to its copy in the temporary folder and ends; the copy removes the install folder, the
# shortcuts and their group, the product's and the maker's keys (machine-wide and the
# user's), the document type, the application path and the uninstall entry, gives the image
# types back the programs they had before, and leaves its own file to be deleted at the
# next start of Windows.
#
#   uninstall.sh PACKAGE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 1 'PACKAGE_DIR' "$@"

e2e_begin uninstall
copy_package "$1" Package
run 'C:\Package\setup.exe' -s
expect_equal "install: exit status" "$status" 0
folder='C:\Program Files (x86)\Pictorva 6'
log="$(tr -d '\r' <"$(unix_path "$folder\\PictrvUnInst.log")")"
group="$(echo "$log" | sed -n 's/^Made Dir: //p')"
links="$(echo "$log" | sed -n 's/^Shell Link: //p')"
[ -n "$group" ] && [ "$(echo "$links" | wc -l)" -eq 5 ] || fail "the install made no group or shortcuts"

# What the product itself keeps in the registry while it is used.
add() { wine64 reg add "$@" /f >/dev/null; }
add 'HKLM\Software\Quillmark\Pictorva 6\Recent' /v File1 /d 'C:\pictures\a.png' /reg:32
add 'HKCU\Software\Quillmark\Pictorva 6\Settings' /v Zoom /d 100
add 'HKCR\PV6.Document\shell\open\command' /ve /d "\"$folder\\Pictrv6.exe\" \"%1\"" /reg:32
exts='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\FileExts'
add "$exts\\.png" /v Application /d Pictrv6.exe
add "$exts\\.png" /v PictrvOld /d mspaint.exe
add "$exts\\.gif" /v Application /d "$folder\\Pictrv6.exe"
add "$exts\\.jpg" /v Application /d other.exe
add "$exts\\.bmp" /v Application /d PICTRV6.EXE
add "$exts\\.bmp" /v PictrvOld /d mspaint.exe
for key in 'HKCU\Software\Quillmark\Pictorva 6\Settings' 'HKCR\PV6.Document\shell\open\command'; do
  reg_key_exists "$key" || fail "could not prepare $key"
done

run "$folder\\PictrvUnInst.exe" -s
expect_equal "uninstaller: exit status" "$status" 0
# The uninstaller has handed over; its copy carries on alone.
if wait_for "[ ! -e '$(unix_path "$folder")' ] && ! pgrep -f 'uni[0-9A-Fa-f]*\\.tmp' >/dev/null" 120; then
  echo "ok: the install folder is gone and the temporary copy has ended"
else
  fail "the install folder is still there: $(ls "$(unix_path "$folder")" 2>&1 | tr '\n' ' ')"
fi
expect_no_path "$group"
while read -r link; do expect_no_path "$link"; done <<<"$links"

for key in 'HKLM\Software\Quillmark\Pictorva 6' 'HKLM\Software\Quillmark' \
  'HKCU\Software\Quillmark\Pictorva 6' 'HKCU\Software\Quillmark' 'HKCR\PV6.Document' \
  'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Pictrv6.exe' \
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pictorva 6'; do
  if reg_key_exists "$key"; then fail "$key is still there"; else echo "ok: $key is gone"; fi
done

# Image types: given back, removed, or left alone when they are not the product's.
expect_equal ".png Application" "$(reg_value "$exts\\.png" Application)" mspaint.exe
expect_equal ".png PictrvOld" "$(reg_value "$exts\\.png" PictrvOld)" ""
expect_equal ".gif Application" "$(reg_value "$exts\\.gif" Application)" ""
expect_equal ".jpg Application" "$(reg_value "$exts\\.jpg" Application)" other.exe
expect_equal ".bmp Application" "$(reg_value "$exts\\.bmp" Application)" PICTRV6.EXE
expect_equal ".bmp PictrvOld" "$(reg_value "$exts\\.bmp" PictrvOld)" mspaint.exe

copy="$(find "$prefix/drive_c" -iname 'uni*.tmp' | head -n 1)"
[ -n "$copy" ] || fail "the temporary copy is gone before the next start of Windows"
name="$(basename "$copy")"
pending="$(pending_operations)"
echo "$pending" | grep PendingFileRenameOperations
echo "$pending" | grep -qiF "$name\\0\\0" || echo "$pending" | grep -qiE "$name\\\\0$" ||
  fail "the temporary copy $name is not to be deleted at the next start"
e2e_end
