#!/usr/bin/env bash
# The interactive wizard of the real setup.exe, from the welcome page to Finish, driven the
# way a person at the keyboard does it: Return on every page takes the default button (Next,
# Yes to the agreement, Next, Next, Next to install, Finish). Every page is saved as a
# picture, and each must differ from the one before. The default choices install for the
# current user; after Finish the setup opens the install-script page with the query from
# HomePage.url and ends with 0. Run under xvfb-run: the wizard needs a display.
#
#   wizard.sh PACKAGE_DIR PICTURES_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 2 'PACKAGE_DIR PICTURES_DIR' "$@"
e2e_needs_display
pictures="$2"
mkdir -p "$pictures"

e2e_begin wizard
copy_package "$1" Package

# The wizard reads agreement.txt from the current folder: it starts in the package.
(cd "$prefix/drive_c/Package" && exec wine setup.exe >"$prefix/setup.out" 2>&1 </dev/null) &
setup=$!
title='^(Pictorva Setup|Please accept the License Agreement)$'
wait_for "xdotool search --name '$title' >/dev/null 2>&1" 60 || { fail "the wizard did not open"; e2e_end; }
window="$(xdotool search --name "$title" | head -n 1)"

previous=""
page() { # name: saves the page once it has settled, and compares it with the one before
  local picture="$pictures/$1.png" before="" after=""
  # Settled: two pictures a moment apart are the same.
  for _ in $(seq 1 20); do
    sleep 0.5
    import -window "$window" "$picture" 2>/dev/null || continue
    after="$(md5sum <"$picture")"
    [ "$after" = "$before" ] && break
    before="$after"
  done
  if [ -z "$after" ]; then
    fail "$1: no picture of the wizard"
  elif [ "$after" = "$previous" ]; then
    fail "$1: the wizard did not move on"
  else
    echo "ok: page $1 ($picture)"
  fi
  previous="$after"
}
press_return() {
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --window "$window" Return 2>/dev/null
}

page 1-welcome
press_return; page 2-agreement
press_return; page 3-folder
press_return; page 4-group
press_return; page 5-ready
press_return; page 6-finished
press_return
timeout 60 tail --pid="$setup" -f /dev/null
wait "$setup"
expect_equal "exit status" "$?" 0

folder='C:\Program Files (x86)\Pictorva 6'
for file in Pictrv6.exe PictrvUnInst.exe readme.txt PictrvUnInst.log 'Filters\Sepia.pvf'; do
  expect_file "$folder\\$file"
done
expect_equal AllUsers "$(reg_value 'HKLM\Software\Quillmark\Pictorva 6' AllUsers)" A
programs="$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Programs)"
expect_link "$programs\\Pictorva 6\\Pictorva 6.lnk" "$folder\\Pictrv6.exe" '%APPDATA%'
wait_for "[ -s '$prefix/browser.log' ]" 30
expect_equal "page opened" "$(cat "$prefix/browser.log" 2>/dev/null)" \
  "http://www.quillmark.example/pictorva6/InstScript.asp?src=setup&ver=6.20"
e2e_end
