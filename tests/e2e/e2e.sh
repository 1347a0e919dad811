# Shell functions shared by the end-to-end scripts. Source it, then call e2e_begin.
#
# Every script runs setup.exe for real in a throw-away Wine prefix of its own (copied from
# the template, processes stopped and the prefix removed at exit), with one Wine server for
# the whole script: a new server session would carry out the operations that Windows defers
# to its next start, and the scripts look at those. The results are read from the Linux side
# (drive C: is $prefix/drive_c) and from the registry through 64-bit Wine, which starts in
# a fraction of a second (scripts/wine-env has the helpers for both).

e2e_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The Wine settings forget the display; scripts run under xvfb-run keep theirs.
e2e_display="${DISPLAY:-}"
# shellcheck source=scripts/wine-env
. "$e2e_here/../../scripts/wine-env"
[ -n "$e2e_display" ] && export DISPLAY="$e2e_display"

# Stops with the usage unless the script got $1 arguments: e2e_usage COUNT 'NAMES' "$@".
e2e_usage() {
  local count="$1" names="$2"
  shift 2
  [ $# -eq "$count" ] || { echo "usage: $(basename "$0") $names" >&2; exit 2; }
}
e2e_needs_display() {
  [ -n "${DISPLAY:-}" ] || { echo "$(basename "$0"): no display (run under xvfb-run -a)" >&2; exit 2; }
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Ends the script: the number of failures, and the status for ctest.
e2e_end() {
  echo "$failures failed"
  [ "$failures" -eq 0 ]
  exit
}

# Makes the prefix and starts its server. Web pages that the setup opens go to a stand-in
# browser that only writes their addresses into $prefix/browser.log. $1: a word for the name.
e2e_begin() {
  wine_throwaway_prefix "$1" || exit 2
  printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/browser.log"\n' "$prefix" >"$prefix/browser"
  chmod +x "$prefix/browser"
  wineserver -p
  wine64 reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$prefix/browser" /f >/dev/null
}

# Copies the sample package (the folder $1) into the prefix as C:\$2.
copy_package() {
  mkdir -p "$prefix/drive_c/$2"
  cp -a "$1/." "$prefix/drive_c/$2/"
}

# Runs a Windows program to its end (at most $E2E_TIMEOUT seconds); its status in $status,
# its output in $prefix/<name of the program>.out.
run() {
  local name
  name="$(basename "$(echo "$1" | tr '\\' '/')")"
  timeout "${E2E_TIMEOUT:-300}" wine "$@" >>"$prefix/$name.out" 2>&1 </dev/null
  status=$?
}

# The value that Windows reads at its next start to carry out deferred file operations.
pending_operations() {
  wine64 reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
    /v PendingFileRenameOperations
}

# expect_equal WHAT ACTUAL EXPECTED
expect_equal() {
  if [ "$2" = "$3" ]; then echo "ok: $1: $2"; else fail "$1: '$2', expected '$3'"; fi
}
expect_file() { [ -f "$(unix_path "$1")" ] || fail "no file $1"; }
expect_no_path() { [ ! -e "$(unix_path "$1")" ] || fail "$1 is still there"; }

# Checks a shortcut: a real .lnk file whose target (and working directory, when given) are
# as expected. expect_link LINK TARGET [WORKING_DIRECTORY]
expect_link() {
  local fields
  if ! fields="$("$e2e_here/../../scripts/lnk-info" "$(unix_path "$1")" 2>&1)"; then
    fail "shortcut $1: $fields"
    return
  fi
  expect_equal "target of ${1##*\\}" "$(echo "$fields" | sed -n 's/^target: //p')" "$2"
  if [ $# -ge 3 ]; then
    expect_equal "working directory of ${1##*\\}" \
      "$(echo "$fields" | sed -n 's/^working directory: //p')" "$3"
  fi
}

# Waits up to $2 seconds for a condition (a command) to hold.
wait_for() {
  local condition="$1" waited=0
  until eval "$condition"; do
    [ "$waited" -ge "$(($2 * 10))" ] && return 1
    sleep 0.1
    waited=$((waited + 1))
  done
}
