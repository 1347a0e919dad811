#!/usr/bin/env bash
# A new unattended installation of the sample package, checked as an administrator would:
# setup.exe -s from the package folder ends with 0 and shows nothing; the install folder
# holds exactly what the manifest asks for on 64-bit Windows; the install log is the
# manifest, an empty line, the program group and the five shortcuts; the shortcuts are real
# .lnk files pointing into the install folder; the registry holds the product's values and
# the Windows entries; no web page opened.
#
#   install_unattended.sh PACKAGE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 1 'PACKAGE_DIR' "$@"
package="$1"

e2e_begin install
copy_package "$package" Package
run 'C:\Package\setup.exe' -s
expect_equal "exit status" "$status" 0

folder='C:\Program Files (x86)\Pictorva 6'
installed="$(unix_path "$folder")"
# Every file, and nothing else: the x64 line's file under the plain line's name, the palette
# under its target name, the codec that Windows lacks, the filters by their wildcard.
expected_tree="Filters/Blur.pvf
Filters/Sepia.pvf
Filters/Sharpen.pvf
HomePage.url
Palettes/Default.pal
Pictrv6.exe
Pictrv6Man.chm
PictrvUnInst.exe
PictrvUnInst.log
PvCodec.dll
PvThumb.dll
agreement.txt
readme.txt"
expect_equal "installed files" "$( (cd "$installed" 2>/dev/null && find . -type f | sed 's|^\./||' | LC_ALL=C sort) | tr '\n' ' ')" \
  "$(echo "$expected_tree" | tr '\n' ' ')"
cmp -s "$installed/PvThumb.dll" "$package/PvThumb64.dll" || fail "PvThumb.dll is not the 64-bit one"
cmp -s "$installed/Palettes/Default.pal" "$package/Palettes/classic.pal" ||
  fail "Default.pal is not the classic palette"
cmp -s "$installed/Pictrv6.exe" "$package/Pictrv6.exe" || fail "Pictrv6.exe differs from the package's"
# The module check hides the package's codec for a moment and gives it back.
[ -f "$prefix/drive_c/Package/PvCodec.dll" ] && [ ! -e "$prefix/drive_c/Package/PvCodec.dll.toinst" ] ||
  fail "the package's PvCodec.dll was not given back its name"

programs="$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Programs')"
desktop="$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Desktop')"
[ -n "$programs" ] && [ -n "$desktop" ] || fail "the prefix has no all-users shell folders"
group="$programs\\Pictorva 6"
expected_log="$(cat "$package/PictrvUnInst.log")
"$'\r'"
Made Dir: $group"$'\r'"
Shell Link: $group\\Pictorva 6.lnk"$'\r'"
Shell Link: $group\\Pictorva 6 Help.lnk"$'\r'"
Shell Link: $group\\Read about Pictorva 6.lnk"$'\r'"
Shell Link: $group\\Uninstall Pictorva 6.lnk"$'\r'"
Shell Link: $desktop\\Pictorva 6.lnk"$'\r'
if [ "$(cat "$installed/PictrvUnInst.log" 2>/dev/null)" = "$expected_log" ]; then
  echo "ok: the install log, line by line"
else
  fail "the install log differs:"
  diff <(echo "$expected_log") "$installed/PictrvUnInst.log" | cat -A | sed 's/^/    /'
fi

expect_link "$group\\Pictorva 6.lnk" "$folder\\Pictrv6.exe" '%APPDATA%'
expect_link "$group\\Pictorva 6 Help.lnk" "$folder\\Pictrv6Man.chm"
expect_link "$group\\Read about Pictorva 6.lnk" "$folder\\readme.txt"
expect_link "$group\\Uninstall Pictorva 6.lnk" "$folder\\PictrvUnInst.exe"
expect_link "$desktop\\Pictorva 6.lnk" "$folder\\Pictrv6.exe" '%APPDATA%'

product='HKLM\Software\Quillmark\Pictorva 6'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pictorva 6'
expect_equal AllUsers "$(reg_value "$product" AllUsers)" B
expect_equal Path "$(reg_value "$product" Path)" "$folder"
expect_equal "App Paths" "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Pictrv6.exe' '')" \
  "$folder\\Pictrv6.exe"
expect_equal Contact "$(reg_value "$uninstall" Contact)" Support
expect_equal DisplayName "$(reg_value "$uninstall" DisplayName)" "Pictorva 6"
expect_equal DisplayVersion "$(reg_value "$uninstall" DisplayVersion)" 6.20.00
expect_equal Publisher "$(reg_value "$uninstall" Publisher)" "Quillmark Technology LLC"
expect_equal UninstallString "$(reg_value "$uninstall" UninstallString)" "$folder\\PictrvUnInst.exe"
expect_equal URLInfoAbout "$(reg_value "$uninstall" URLInfoAbout)" "http://www.quillmark.example"

[ ! -s "$prefix/browser.log" ] || fail "a web page opened: $(cat "$prefix/browser.log")"
e2e_end
