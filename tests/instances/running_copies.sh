#!/usr/bin/env bash
# Running copies under Wine, in one throw-away prefix: two copies of the stub product and a
# third process (instance_probe) see each other in the shared instance list in the order they
# joined, the window search finds each copy's main window, and the list's notifications and
# the close request reach the copies. Run under xvfb-run: the copies' windows need a display.
#
#   running_copies.sh PICTRV6_EXE INSTANCE_PROBE_EXE
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
display="${DISPLAY:-}"
# shellcheck source=scripts/wine-env
. "$here/../../scripts/wine-env"
[ -n "$display" ] || { echo "running_copies: no display (run under xvfb-run -a)" >&2; exit 2; }
export DISPLAY="$display"
[ $# -eq 2 ] || { echo "usage: running_copies.sh PICTRV6_EXE INSTANCE_PROBE_EXE" >&2; exit 2; }

wine_throwaway_prefix copies || exit 2
drive="$prefix/drive_c"
mkdir -p "$drive/Pictorva"
cp "$1" "$drive/Pictorva/Pictrv6.exe"
cp "$2" "$drive/Pictorva/instance_probe.exe"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Waits up to $3 seconds for a line matching $2 in file $1.
wait_for() {
  local waited=0
  until grep -qx -- "$2" "$1" 2>/dev/null; do
    [ "$waited" -ge "$3" ] && return 1
    sleep 2
    waited=$((waited + 2))
  done
}

start_copy() { # name: starts a copy and waits for its window; its process id in $started
  PICTRV6_MESSAGE_LOG="C:\\$1.log" wine 'C:\Pictorva\Pictrv6.exe' \
    >"$prefix/$1.out" 2>&1 </dev/null &
  wait_for "$drive/$1.log" 'started [0-9]*' 600 || { fail "copy $1 did not start"; exit 1; }
  started="$(sed -n 's/^started //p' "$drive/$1.log")"
}

start_copy a
a="$started"
start_copy b
b="$started"
echo "copies: a=$a b=$b"
wait_for "$drive/a.log" "1946 $b" 120 || fail "a was not told that b joined"

wine 'C:\Pictorva\instance_probe.exe' 'C:\probe.txt' "$b" >"$prefix/probe.out" 2>&1 </dev/null
status=$?
[ "$status" -eq 0 ] || fail "instance_probe exited with $status"
report="$drive/probe.txt"
echo "--- probe report"; cat "$report" 2>/dev/null
p="$(sed -n 's/^self //p' "$report" 2>/dev/null)"
[ -n "$p" ] || fail "no probe report"

grep -qx 'count 3' "$report" || fail "count is not 3"
grep -qx "list $a $b $p" "$report" || fail "list is not a, b, probe in that order"
grep -qx "window $a found Pictorva 6" "$report" || fail "a's window not found"
grep -qx "window $b found Pictorva 6" "$report" || fail "b's window not found"
grep -qx "window $p none" "$report" || fail "the probe has a window"
grep -qx "close $b 1" "$report" || fail "close request not posted to b"

# b ends normally on the close request and leaves the list, which tells a.
wait_for "$drive/b.log" "ended $b" 300 || fail "b did not end after WM_CLOSE"
wait_for "$drive/a.log" "1947 $b" 120 || fail "a was not told that b left"

expect_log() { # name, expected lines
  local name="$1"
  shift
  if ! printf '%s\n' "$@" | cmp -s - "$drive/$name.log"; then
    fail "$name's messages differ"
    echo "--- expected $name.log"; printf '%s\n' "$@"
  fi
  echo "--- $name.log"; cat "$drive/$name.log"
}
expect_log a "started $a" "1946 $b" "1946 $p" "1947 $p" "1947 $b"
expect_log b "started $b" "1946 $p" "1947 $p" "WM_CLOSE 1001" "ended $b"

[ "$failures" -eq 0 ] && echo "running copies: all checks passed"
[ "$failures" -eq 0 ]
