#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the program's images from their SVG sources; the outputs are committed.
# Needs: tools/install-deps.sh images (librsvg2-bin, imagemagick, icoutils, icnsutils).
set -eu
cd "$(dirname "$0")/../resources"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# hicolor theme sizes, and the icon the window carries.
for size in 16 24 32 48 64 72 128 256; do
    mkdir -p "icons/hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" icons/selmak.svg -o "icons/hicolor/${size}x${size}/apps/example.tarvis.selmak.png"
done

# Windows icon: 16, 32 and 48 px in 256 colours, then 16 to 128 px in 32-bit colour with alpha.
set --
for size in 16 32 48; do
    convert "icons/hicolor/${size}x${size}/apps/example.tarvis.selmak.png" -background none \
        -colors 255 "PNG8:$work/pal-$size.png"
    set -- "$@" "$work/pal-$size.png"
done
for size in 16 24 32 48 64 72 128; do
    set -- "$@" "icons/hicolor/${size}x${size}/apps/example.tarvis.selmak.png"
done
icotool -c -o icons/selmak.ico "$@"

# The macOS bundle icon.
png2icns icons/selmak.icns icons/hicolor/16x16/apps/example.tarvis.selmak.png \
    icons/hicolor/32x32/apps/example.tarvis.selmak.png \
    icons/hicolor/128x128/apps/example.tarvis.selmak.png \
    icons/hicolor/256x256/apps/example.tarvis.selmak.png

# The About picture: full colour, 91 x 97 px.
rsvg-convert -w 91 -h 97 images/about.svg -o "$work/backdrop.png"
rsvg-convert -w 68 -h 68 icons/selmak.svg -o "$work/contactor.png"
convert "$work/backdrop.png" "$work/contactor.png" -geometry +12+14 -composite \
    -background white -flatten -strip -quality 92 images/about.jpg

# The same picture for the native Windows window, which draws bitmaps and decodes no JPEG:
# 24-bit, uncompressed, no colour-space block (BMP3).
convert images/about.jpg BMP3:images/about.bmp
