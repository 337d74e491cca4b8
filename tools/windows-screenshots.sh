#!/bin/sh
# SPDX-License-Identifier: MIT
# The README's pictures of the Windows edition, drawn by selmak.exe under Wine on a virtual display
# and cut out of it window by window: docs/screenshots/windows-*.png
#   tools/windows-screenshots.sh BUILD_DIR OUT_DIR          draw them
#   tools/windows-screenshots.sh --check BUILD_DIR OUT_DIR  fail when one no longer matches
# Needs: tools/install-deps.sh windows (Wine, Xvfb, ImageMagick).
set -eu
check=false
if [ "${1:-}" = --check ]; then
    check=true
    shift
fi
[ $# -eq 2 ] || { echo "usage: $0 [--check] BUILD_DIR OUT_DIR" >&2; exit 2; }
tools=$(cd "$(dirname "$0")" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
cd "$1"

work=$(mktemp -d)
state="$work/wine-session.env"
trap '"$tools/wine-session.sh" stop "$state"; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP
"$tools/wine-session.sh" start "$state"
. "$state"

probe() { "$tools/wine-run.sh" "$state" tools/win32-probe/win32_probe.exe "$@"; }

# shoot NAME DPI WINDOWS ACTION...: starts the program, acts, cuts out the windows (main, about,
# find, listwin; several together as the smallest rectangle that holds them all), then presses
# "Выход".
shoot() {
    name=$1 dpi=$2 windows=$3
    shift 3
    looks=
    for window in $windows; do looks="$looks $window rect"; done
    # Into a file, not a pipe: the program inherits the probe's output and holds a pipe open.
    SELMAK_WINE_DPI=$dpi probe start selmak.exe "$@" $looks >"$work/probe.txt"
    rect=$(tr -d '\r' <"$work/probe.txt" | awk '/^rect / {
        l = $2; t = $3; r = $2 + $4; b = $3 + $5
        if (n++ == 0 || l < left) left = l
        if (n == 1 || t < top) top = t
        if (n == 1 || r > right) right = r
        if (n == 1 || b > bottom) bottom = b
    } END { if (n) print left, top, right - left, bottom - top }')
    [ -n "$rect" ] || { echo "windows-screenshots: $name: no window" >&2; exit 1; }
    set -- $rect
    # The picture once two captures in a row agree: the first paint may still be under way.
    capture() { DISPLAY=$DISPLAY import -window root -crop "$3x$4+$1+$2" +repage "$5"; }
    capture "$@" "$work/a.png"
    tries=0
    while :; do
        sleep 0.3
        capture "$@" "$work/b.png"
        [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" != 0 ] || break
        tries=$((tries + 1))
        [ $tries -lt 20 ] || { echo "windows-screenshots: $name: the window does not settle" >&2; exit 1; }
        mv "$work/b.png" "$work/a.png"
    done
    mv "$work/b.png" "$work/$name.png"
    SELMAK_WINE_DPI=$dpi probe main click exit >/dev/null
    sleep 0.5
}

shoot windows-main-start 96 main
shoot windows-main-7.5kW 96 main set txtPower 7.5 click cmbChoose
shoot windows-about 96 about click cmbAbout
shoot windows-main-7.5kW-144dpi 144 main set txtPower 7.5 click cmbChoose
# Tab takes the focus from the box to the list, so that no blinking caret is drawn.
shoot windows-find-LC1D18M7 96 "main find" key F3 find set txtModel LC1D18M7 key TAB
shoot windows-find-LC1D18M7-144dpi 144 "main find" key F3 find set txtModel LC1D18M7 key TAB
# Cells of a bill pasted as a spreadsheet puts them on the clipboard, the second column looked up,
# Moeller chosen; Tab three times takes the focus to the table. The probe reads its Cyrillic
# arguments from a UTF-8 command line.
export LC_ALL=C.UTF-8
bill='Поз.\tОбозначение\tКол.\n1\tLC1D18M7\t2\n2\t3RT2026-1AP00\t1\n3\tDILM9-10(230V50HZ)\t4\n4\tКМИ-11811\t2\n5\t7,5 кВт\t1\n6\t12 А\t1\n7\tXYZ-1\t1'
for dpi in 96 144; do
    name=windows-list-Moeller
    [ $dpi = 96 ] || name=$name-${dpi}dpi
    shoot $name $dpi listwin sysmenu 1 listwin set txtColumn 2 pick cboTo 10 \
        set txtList "$bill" key TAB key TAB key TAB
done

status=0
for picture in "$work"/windows-*.png; do
    name=$(basename "$picture")
    if $check; then
        # Wine draws the same pixels run after run: not one may differ.
        differ=$(compare -metric AE "$picture" "$out/$name" null: 2>&1 || true)
        if [ "$differ" != 0 ]; then
            echo "windows-screenshots: $name differs from the committed picture in $differ pixels" >&2
            status=1
        fi
    else
        cp "$picture" "$out/$name"
        echo "$out/$name"
    fi
done
exit $status
