#!/bin/sh
# SPDX-License-Identifier: MIT
# The README's pictures of the web edition, drawn in Debian's chromium from the built site:
# docs/screenshots/web-*.png
#   tools/web-screenshots.sh OUT_DIR          draw them
#   tools/web-screenshots.sh --check OUT_DIR  fail when one no longer matches
# Needs: make web (the site in build/web, playwright-core in build/web-cmake/node), ImageMagick.
# SELMAK_WEB_SITE and SELMAK_NODE_MODULES name other places.
set -eu
check=false
if [ "${1:-}" = --check ]; then
    check=true
    shift
fi
[ $# -eq 1 ] || { echo "usage: $0 [--check] OUT_DIR" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
export SELMAK_WEB_SITE="${SELMAK_WEB_SITE:-$root/build/web}"
export SELMAK_NODE_MODULES="${SELMAK_NODE_MODULES:-$root/build/web-cmake/node/node_modules}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
node "$root/tests/web/screenshots.mjs" "$work"

status=0
for picture in "$work"/web-*.png; do
    name=$(basename "$picture")
    if $check; then
        # Chromium draws text through Skia, whose anti-aliasing may differ by a shade between
        # processors: a pixel counts as changed when it is off by more than 8 %, and one in a
        # thousand may be.
        if [ ! -f "$out/$name" ]; then
            echo "web-screenshots: $name is not committed; run make screenshots" >&2
            status=1
            continue
        fi
        size=$(identify -format '%wx%h' "$picture")
        if [ "$size" != "$(identify -format '%wx%h' "$out/$name")" ]; then
            echo "web-screenshots: $name is $size now; run make screenshots" >&2
            status=1
            continue
        fi
        differ=$(compare -metric AE -fuzz 8% "$picture" "$out/$name" null: 2>&1 || true)
        allowed=$(identify -format '%[fx:int(w*h/1000)]' "$picture")
        if [ "${differ%%.*}" -gt "$allowed" ]; then
            echo "web-screenshots: $name differs from the committed picture in $differ pixels" >&2
            status=1
        fi
    else
        cp "$picture" "$out/$name"
        echo "$out/$name"
    fi
done
exit $status
