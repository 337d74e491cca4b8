#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs one Windows program under Wine in the session that tools/wine-session.sh started, at the
# dpi named by SELMAK_WINE_DPI (96 or 144; 96 when unset). CTest uses it as the emulator.
#   tools/wine-run.sh STATE PROGRAM [ARGUMENT...]
set -eu

[ $# -ge 2 ] || { echo "usage: $0 STATE PROGRAM [ARGUMENT...]" >&2; exit 2; }
state=$1
shift
if [ ! -f "$state" ]; then
    echo "wine-run: no Wine session; start one with: tools/wine-session.sh start $state" >&2
    exit 1
fi
. "$state"
dpi=${SELMAK_WINE_DPI:-96}
[ -d "$WINE_SESSION_DIR/prefix-$dpi" ] || { echo "wine-run: no prefix for $dpi dpi" >&2; exit 2; }
export DISPLAY WINEDEBUG=-all WINEPREFIX="$WINE_SESSION_DIR/prefix-$dpi"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
exec wine "$@"
