#!/usr/bin/env bash
# The uninstaller's hand-over under Wine, in one throw-away prefix: PictrvUnInst.exe run
# with -s copies itself into the temporary folder and is replaced by that copy, which deletes
# the uninstaller, removes what the install log records and the install folder, and leaves
# its own file to be deleted at the next start of Windows (PendingFileRenameOperations).
#
#   self_removal.sh SETUP_EXE PICTRV6_EXE
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/wine-env
. "$here/../../scripts/wine-env"
[ $# -eq 2 ] || { echo "usage: self_removal.sh SETUP_EXE PICTRV6_EXE" >&2; exit 2; }

wine_throwaway_prefix removal || exit 2

folder="$prefix/drive_c/Program Files/Pictorva 6"
mkdir -p "$folder"
cp "$1" "$folder/PictrvUnInst.exe"
cp "$2" "$folder/Pictrv6.exe"
printf 'File Copy: Pictrv6.exe\r\nFile Copy: PictrvUnInst.exe\r\n' >"$folder/PictrvUnInst.log"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# One server for the whole run: a new server session would carry out the pending operations.
wineserver -p
wine 'C:\Program Files\Pictorva 6\PictrvUnInst.exe' -s >"$prefix/first.out" 2>&1 </dev/null
status=$?
[ "$status" -eq 0 ] || fail "the uninstaller ended with $status"

waited=0
until [ ! -e "$folder" ]; do
  if [ "$waited" -ge 600 ]; then
    fail "the install folder is still there: $(ls "$folder" 2>&1 | tr '\n' ' ')"
    break
  fi
  sleep 5
  waited=$((waited + 5))
done
echo "install folder gone after about ${waited}s"

pending="$(wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
  /v PendingFileRenameOperations 2>/dev/null </dev/null | tr -d '\r')"
echo "$pending"
echo "$pending" | grep -qi 'uni[0-9a-f]*\.tmp' ||
  fail "the temporary copy is not scheduled for deletion"

temp_copies="$(find "$prefix/drive_c" -iname 'uni*.tmp' 2>/dev/null)"
[ -n "$temp_copies" ] || fail "the temporary copy is gone before the next start of Windows"

echo "$failures failed"
[ "$failures" -eq 0 ]
