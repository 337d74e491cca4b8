#!/bin/sh
# SPDX-License-Identifier: MIT
# One Wine session for a test run: an Xvfb display and two Wine prefixes in a temporary folder,
# one at 96 dpi and one at 144 dpi, each with a wineserver that stays up until the session stops.
#   tools/wine-session.sh start STATE   makes them and writes what tools/wine-run.sh needs to STATE
#   tools/wine-session.sh stop STATE    stops the servers and the display and removes the folder
set -eu

usage() { echo "usage: $0 start|stop STATE" >&2; exit 2; }
[ $# -eq 2 ] || usage
state=$2
export WINEDEBUG=-all
# No .NET or HTML engine, which Wine would offer to download, and no menu entries for the host.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

stop() {
    [ -f "$state" ] || return 0
    . "$state"
    for dpi in 96 144; do
        WINEPREFIX="$WINE_SESSION_DIR/prefix-$dpi" wineserver -k 2>/dev/null || true
    done
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    rm -rf "$WINE_SESSION_DIR" "$state"
}

# The first start of a prefix is Wine's slowest (about 8 s); both dpi start at once.
make_prefix() {
    export WINEPREFIX="$1"
    wineboot -i >/dev/null 2>&1
    # Wine's own stand-ins for the faces every Windows has (Tahoma, MS Sans Serif, Marlett for the
    # title bar's buttons), where Debian's Wine does not look for them by itself.
    if [ -d /usr/share/wine/fonts ]; then
        ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
    # A virtual desktop: with no window manager on the display, Wine then draws every window's
    # frame and title bar itself, as Windows would.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f >/dev/null 2>&1
    wineserver -w
    # A server that waits for the next test instead of stopping 3 s after the last one.
    wineserver -p </dev/null >/dev/null 2>&1
    # Wine's own services start with the first program and stay: start them here, with no output
    # of CTest's to hold open.
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

start() {
    stop
    screen=1600x1200
    dir=$(mktemp -d "${TMPDIR:-/tmp}/selmak-wine.XXXXXX")
    # Xvfb picks a free display number and writes it to the file; its own output goes nowhere, so
    # that CTest does not wait for it.
    setsid Xvfb -displayfd 3 -screen 0 ${screen}x24 -nolisten tcp 3>"$dir/display" \
        </dev/null >/dev/null 2>&1 &
    xvfb=$!
    tries=0
    until [ -s "$dir/display" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "wine-session: Xvfb did not start" >&2
            kill "$xvfb" 2>/dev/null || true
            exit 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(cat "$dir/display")"
    make_prefix "$dir/prefix-96" 96 &
    first=$!
    make_prefix "$dir/prefix-144" 144
    wait $first
    cat >"$state" <<STATE
WINE_SESSION_DIR='$dir'
WINE_SESSION_XVFB=$xvfb
DISPLAY='$DISPLAY'
STATE
}

case $1 in
start) start ;;
stop) stop ;;
*) usage ;;
esac
