#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs one Windows program under Wine in the session that tools/wine-session.sh started, at the
# dpi named by SELMAK_WINE_DPI (96 or 144; 96 when unset), as Wine's default Windows or, with
# SELMAK_WINE_VERSION=win7, as Windows 7. CTest uses it as the emulator.
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
prefix="$WINE_SESSION_DIR/prefix-${SELMAK_WINE_DPI:-96}${SELMAK_WINE_VERSION:+-$SELMAK_WINE_VERSION}"
[ -d "$prefix" ] || { echo "wine-run: no prefix ${prefix##*/}" >&2; exit 2; }
export DISPLAY WINEDEBUG=-all WINEPREFIX="$prefix"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
exec wine "$@"
