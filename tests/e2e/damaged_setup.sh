#!/usr/bin/env bash
# Damaged setup files, even unattended: a package without the product, with a product that
# carries no version, or without the file manifest. Each time the setup shows its message
# box (seen here by its caption, and answered), opens the maker's home page, installs
# nothing and ends with status 1. Run under xvfb-run: the box needs a display.
#
#   damaged_setup.sh PACKAGE_DIR UNVERSIONED_PICTRV6_EXE
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 2 'PACKAGE_DIR UNVERSIONED_PICTRV6_EXE' "$@"
e2e_needs_display
package="$1"

e2e_begin damaged

# case name | how the package is damaged
cases="no-product|rm Pictrv6.exe
unversioned-product|cp '$2' Pictrv6.exe
no-manifest|rm PictrvUnInst.log"

while IFS='|' read -r name damage; do
  echo "--- $name"
  copy_package "$package" "$name"
  (cd "$prefix/drive_c/$name" && eval "$damage")
  : >"$prefix/browser.log"
  wine "C:\\$name\\setup.exe" -s >"$prefix/$name.out" 2>&1 </dev/null &
  setup=$!
  if wait_for "xdotool search --name '^Pictorva Setup$' >/dev/null 2>&1" 60; then
    box="$(xdotool search --name '^Pictorva Setup$' | head -n 1)"
    echo "ok: the message box opened"
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key --window "$box" Return
  else
    fail "$name: no message box"
  fi
  timeout 60 tail --pid="$setup" -f /dev/null
  wait "$setup"
  expect_equal "$name: exit status" "$?" 1
  # The browser starts on its own, maybe after the setup has ended.
  wait_for "[ -s '$prefix/browser.log' ]" 30
  # The shell hands the browser the address in its canonical form, with the root's slash.
  expect_equal "$name: page opened" "$(cat "$prefix/browser.log")" "http://www.quillmark.example/"
  expect_no_path 'C:\Program Files (x86)\Pictorva 6'
  reg_key_exists 'HKLM\Software\Quillmark\Pictorva 6' && fail "$name: the product key was written"
done <<<"$cases"
e2e_end
