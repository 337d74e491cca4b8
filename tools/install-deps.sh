#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages that selmak needs, and only those that are missing.
#   tools/install-deps.sh            what building, testing and running need
#   tools/install-deps.sh ci         that, plus what CI adds: fuzzing, sanitizers, packaging checks,
#                                    the Windows build and the web edition with their tests
#   tools/install-deps.sh images     that, plus what tools/make-images.sh needs
#   tools/install-deps.sh bench      that, plus what bench/cli_batch.sh needs
#   tools/install-deps.sh windows    that, plus the Windows cross compiler and Wine to test with
#   tools/install-deps.sh web        that, plus emscripten, and chromium and Node.js to test with
set -eu

build="make cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation2 xvfb xauth python3
    libfast-float-dev nlohmann-json3-dev libcli11-dev locales"
ci="clang libclang-rt-14-dev dpkg-dev file desktop-file-utils appstream"
images="librsvg2-bin imagemagick icoutils icnsutils"
bench="hyperfine time"
# MinGW-w64 with posix threads; GoogleTest's sources to build it for Windows; Wine with its own
# fonts (MS Sans Serif, Tahoma, the title bar's symbols) to run and draw the program; zip for the
# package; NSIS for the installer; ImageMagick to take the screenshots; hyperfine for the start-up
# benchmark.
windows="g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 fonts-wine
    zip nsis xvfb xauth imagemagick hyperfine"
# Emscripten to build the page; chromium to test it in (driven by playwright-core, which the build
# installs from npm as package-lock.json pins it), ImageMagick to compare its pictures.
web="emscripten nodejs chromium imagemagick fonts-liberation2 python3"

wanted=$build
for group in "$@"; do
    case $group in
    ci) wanted="$wanted $ci $windows $web" ;;
    images) wanted="$wanted $images" ;;
    windows) wanted="$wanted $windows" ;;
    bench) wanted="$wanted $bench" ;;
    web) wanted="$wanted $web" ;;
    all) wanted="$wanted $ci $images $bench $windows $web" ;;
    *) echo "install-deps: unknown group '$group' (ci, images, bench, windows, web, all)" >&2; exit 2 ;;
    esac
done

missing=
for package in $wanted; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing="$missing $package"
done
# Debian's npm only where no npm came with Node.js itself (NodeSource's nodejs carries its own).
case " $wanted " in
*" nodejs "*) command -v npm >/dev/null 2>&1 || missing="$missing npm" ;;
esac
[ -n "$missing" ] || exit 0

echo "install-deps: installing$missing"
if [ "$(id -u)" -eq 0 ]; then
    as_root=
elif command -v sudo >/dev/null 2>&1; then
    as_root=sudo
else
    echo "install-deps: these packages are missing and there is no sudo:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086 # one word per package
$as_root apt-get install -y -q --no-install-recommends $missing
