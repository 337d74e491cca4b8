#!/bin/sh
# SPDX-License-Identifier: MIT
# selmak.exe's start-up to first paint against a bare window of the same size, both under Wine in
# one session, side by side; then each one's peak working set; then the list window with a bill
# of 10,000 and of 100,000 rows pasted.
#   bench/win32/run.sh [BUILD_DIR]      (default build/windows; needs hyperfine)
set -eu
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
cd "${1:-build/windows}/bench/win32"
work=$(mktemp -d)
state="$work/wine-session.env"
trap '"$tools/wine-session.sh" stop "$state"; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP
"$tools/wine-session.sh" start "$state"

run="$tools/wine-run.sh $state"
hyperfine -N -w 5 -r 40 "$run selmak_first_paint.exe" "$run bare_first_paint.exe" \
    "$run bare_first_paint.exe --with-controls"
for program in selmak_first_paint bare_first_paint "bare_first_paint --with-controls"; do
    for i in 1 2 3 4 5; do $run ${program%% *}.exe --memory ${program#bare_first_paint}; done |
        sort -k4 -n | sed -n 3p | sed "s/^/$program: median of 5: /"
done
$run list_paste.exe
