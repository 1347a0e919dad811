#!/usr/bin/env bash
# A running copy of the installed product, met by an unattended setup. With "-s" alone the
# setup still asks before ending it (a box captioned "Pictorva Setup"): No leaves the product
# running and installs nothing more, Yes closes it; with "-install -s" nothing is asked. A
# copy that is ended first hears the setup join the list of running copies (message 1946)
# and then receives WM_CLOSE with 1001, and ends before the install goes on. Run under
# xvfb-run: the product's window and the boxes need a display.
#
#   running_copy.sh PACKAGE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"
e2e_usage 1 'PACKAGE_DIR' "$@"
e2e_needs_display

e2e_begin copies
copy_package "$1" Package
run 'C:\Package\setup.exe' -s
expect_equal "first install: exit status" "$status" 0
product='C:\Program Files (x86)\Pictorva 6\Pictrv6.exe'
messages="$prefix/drive_c/messages.log"

start_product() { # its Linux process in $product_process
  : >"$messages"
  PICTRV6_MESSAGE_LOG='C:\messages.log' wine "$product" >>"$prefix/product.out" 2>&1 </dev/null &
  product_process=$!
  wait_for "grep -q '^started ' '$messages'" 60 || { fail "the product did not start"; e2e_end; }
}

# Answers the box captioned "Pictorva Setup" with the keys given, if one opens.
answer_box() {
  local box
  if ! wait_for "xdotool search --name '^Pictorva Setup$' >/dev/null 2>&1" 60; then
    fail "no question was asked"
    return
  fi
  box="$(xdotool search --name '^Pictorva Setup$' | head -n 1)"
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key --window "$box" "$@" 2>/dev/null
  # Wait for that box to close before the next one may open.
  wait_for "! xdotool getwindowname $box >/dev/null 2>&1" 30
}

# The product heard the setup (process $1) join the list; the setup posted WM_CLOSE with
# 1001 (seen in Wine's trace of its messages, file $3); the product ended. The setup ends
# the product 10 ms after the request, so on a busy machine the product may not get to
# note the request itself; when it did, the note must be the setup's request.
expect_closed_by() {
  local notes
  notes="$(sed -n "/^1946 $1\$/,\$p" "$messages" | tr '\n' '|')"
  case "$notes" in
    "1946 $1|" | "1946 $1|WM_CLOSE 1001|") echo "ok: $2: the product received: $notes" ;;
    *) fail "$2: the product received '$notes', expected 1946 $1 and then WM_CLOSE 1001" ;;
  esac
  grep -q 'NtUserPostMessage hwnd [0-9a-fx]* msg 10 (WM_CLOSE) wp 3e9 lp 0' "$3" ||
    fail "$2: the setup posted no WM_CLOSE with 1001"
  wait_for "! kill -0 $product_process 2>/dev/null" 30 || fail "$2: the product is still running"
}

setup_pid() { # the Windows process id of the setup, from the product's note of it
  wait_for "grep -q '^1946 ' '$messages'" 60 && sed -n 's/^1946 //p' "$messages" | head -n 1
}

echo "--- -s, answered No"
start_product
wine 'C:\Package\setup.exe' -s >>"$prefix/setup.exe.out" 2>&1 </dev/null &
setup=$!
answer_box Tab Return # to No
answer_box Return     # the box that says the setup ends
timeout 60 tail --pid="$setup" -f /dev/null
wait "$setup"
expect_equal "declined: exit status" "$?" 2
grep -q '^WM_CLOSE' "$messages" && fail "declined: the product was asked to close"
kill -0 "$product_process" 2>/dev/null || fail "declined: the product ended"

echo "--- -s, answered Yes"
WINEDEBUG=+msg wine 'C:\Package\setup.exe' -s >"$prefix/asked.out" 2>&1 </dev/null &
setup=$!
answer_box Return
timeout 120 tail --pid="$setup" -f /dev/null
wait "$setup"
expect_equal "asked: exit status" "$?" 0
expect_closed_by "$(sed -n 's/^1946 //p' "$messages" | tail -n 1)" asked "$prefix/asked.out"

echo "--- -install -s"
start_product
WINEDEBUG=+msg wine 'C:\Package\setup.exe' -install -s >"$prefix/not-asked.out" 2>&1 </dev/null
expect_equal "not asked: exit status" "$?" 0
expect_closed_by "$(setup_pid)" "not asked" "$prefix/not-asked.out"
xdotool search --name '^Pictorva Setup$' >/dev/null 2>&1 && fail "not asked: a box is open"
e2e_end
