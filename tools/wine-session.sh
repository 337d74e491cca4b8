#!/bin/sh
# SPDX-License-Identifier: MIT
# One Wine session for a test run: an Xvfb display and four Wine prefixes in a temporary folder, at
# 96 and at 144 dpi, each set to Windows 10 and to Windows 7, each with a wineserver that stays up
# until the session stops.
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
    for prefix in "$WINE_SESSION_DIR"/prefix-*; do
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    done
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    rm -rf "$WINE_SESSION_DIR" "$state"
}

# The first start of a prefix is Wine's slowest (about 8 s); all four start at once.
#   make_prefix DIR DPI VERSION      VERSION as winecfg names it: win10 or win7. Debian's Wine 8
#   makes a Windows 7 prefix unless told otherwise, so both are set, and checked.
make_prefix() {
    export WINEPREFIX="$1"
    wineboot -i >/dev/null 2>&1
    winecfg -v "$3" >/dev/null 2>&1
    case $3 in
    win7) said='6\.1\.7601' ;; # Windows 7 SP1
    *) said='10\.0\.' ;;
    esac
    if ! wine cmd /c ver 2>/dev/null | grep -q "$said"; then
        echo "wine-session: the prefix does not say it is $3" >&2
        return 1
    fi
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
    pids=
    for dpi in 96 144; do
        make_prefix "$dir/prefix-$dpi" $dpi win10 &
        pids="$pids $!"
        make_prefix "$dir/prefix-$dpi-win7" $dpi win7 &
        pids="$pids $!"
    done
    made=true
    for pid in $pids; do
        wait "$pid" || made=false
    done
    if ! $made; then
        echo "wine-session: a Wine prefix could not be made in $dir" >&2
        kill "$xvfb" 2>/dev/null || true
        rm -rf "$dir"
        exit 1
    fi
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
