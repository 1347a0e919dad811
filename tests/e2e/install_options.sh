#!/usr/bin/env bash
# An unattended installation with every option: "-instdir" with an existing folder written
# with a trailing backslash, "-nodeskico", "-autostart" and "-runafter", from a
# self-extracting bundle that left its settings file beside itself (the variable sfxname).
# The product goes to that folder, the start-up shortcut replaces the desktop one, the
# settings file is installed, and the installed product is started at the end. Run under
# xvfb-run: the product's window needs a display.
#
#   install_options.sh PACKAGE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 1 'PACKAGE_DIR' "$@"
e2e_needs_display
package="$1"

e2e_begin options
copy_package "$package" Package
mkdir -p "$prefix/drive_c/Target" "$prefix/drive_c/Bundle"
printf '[Options]\r\nZoom=100\r\n' >"$prefix/drive_c/Bundle/Pictrv6.ini"

export sfxname='C:\Bundle\Pictorva6Setup.exe'
export PICTRV6_MESSAGE_LOG='C:\product.log'
run 'C:\Package\setup.exe' -s -instdir 'C:\Target\' -nodeskico -AutoStart -runafter
unset sfxname
expect_equal "exit status" "$status" 0

folder='C:\Target'
for file in Pictrv6.exe PictrvUnInst.exe readme.txt PvCodec.dll 'Filters\Blur.pvf' PictrvUnInst.log; do
  expect_file "$folder\\$file"
done
expect_no_path 'C:\Program Files (x86)\Pictorva 6'
cmp -s "$(unix_path "$folder\\Pictrv6.ini")" "$prefix/drive_c/Bundle/Pictrv6.ini" ||
  fail "the settings file beside the bundle was not installed"
expect_no_path "$folder\\Pictrv6.reg"

programs="$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Programs')"
startup="$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Startup')"
desktop="$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Desktop')"
links="$(tr -d '\r' <"$(unix_path "$folder\\PictrvUnInst.log")" | sed -n 's/^Shell Link: //p')"
expect_equal "shortcuts in the install log" "$(echo "$links" | tr '\n' '|')" \
  "$programs\\Pictorva 6\\Pictorva 6.lnk|$programs\\Pictorva 6\\Pictorva 6 Help.lnk|$programs\\Pictorva 6\\Read about Pictorva 6.lnk|$programs\\Pictorva 6\\Uninstall Pictorva 6.lnk|$startup\\Pictorva 6.lnk|"
expect_link "$startup\\Pictorva 6.lnk" "$folder\\Pictrv6.exe" '%APPDATA%'
expect_no_path "$desktop\\Pictorva 6.lnk"

expect_equal Path "$(reg_value 'HKLM\Software\Quillmark\Pictorva 6' Path)" "$folder"
expect_equal "App Paths" "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Pictrv6.exe' '')" \
  "$folder\\Pictrv6.exe"

# The setup does not wait for the product: it may still be starting.
if wait_for "grep -q '^started ' '$prefix/drive_c/product.log' 2>/dev/null" 60; then
  echo "ok: the installed product was started ($(head -n 1 "$prefix/drive_c/product.log"))"
else
  fail "the installed product was not started"
fi
[ ! -s "$prefix/browser.log" ] || fail "a web page opened: $(cat "$prefix/browser.log")"
e2e_end
