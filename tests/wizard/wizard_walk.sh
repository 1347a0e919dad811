#!/usr/bin/env bash
# Runs the wizard probe under Wine with a display, in a throw-away prefix: the wizard's real
# windows from welcome to Finish. Run under xvfb-run -a.
#
#   wizard_walk.sh WIZARD_PROBE_EXE
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
display="${DISPLAY:-}"
# shellcheck source=scripts/wine-env
. "$here/../../scripts/wine-env"
[ -n "$display" ] || { echo "wizard_walk: no display (run under xvfb-run -a)" >&2; exit 2; }
export DISPLAY="$display"
[ $# -eq 1 ] || { echo "usage: wizard_walk.sh WIZARD_PROBE_EXE" >&2; exit 2; }

wine_throwaway_prefix wizard || exit 2
mkdir -p "$prefix/drive_c/Probe"
cp "$1" "$prefix/drive_c/Probe/wizard_probe.exe"
cd "$prefix/drive_c/Probe" || exit 2
printf 'The licence.\r\n' > agreement.txt
wine wizard_probe.exe > "$prefix/out.txt" 2>&1 </dev/null
status=$?
WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1
grep -v '^[0-9a-f]*:\(fixme\|err\|warn\)' "$prefix/out.txt"
exit $status
