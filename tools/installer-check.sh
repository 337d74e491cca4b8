#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the installer under Wine as an administrator would deploy it: a silent install puts the
# files, the Start-menu shortcut and the Apps entry in place, both programs start from there, and
# a silent uninstall takes every one of them away again.
#   tools/installer-check.sh STATE BUILD_DIR   (the prefix as for tools/wine-run.sh: SELMAK_WINE_DPI,
#                                              SELMAK_WINE_VERSION)
set -eu
[ $# -eq 2 ] || { echo "usage: $0 STATE BUILD_DIR" >&2; exit 2; }
state=$1
here=$(cd "$(dirname "$0")" && pwd)
cd "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() { "$here/wine-run.sh" "$state" "$@"; }
# Wine's console output ends its lines with CR LF.
windows() { run cmd /c echo "$1" | tr -d '\r'; }
unix() { run winepath -u "$1" | tr -d '\r'; }

failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

installed=$(windows '%LOCALAPPDATA%')'\Programs\selmak'
folder=$(unix "$installed")
shortcut="$(unix "$(windows '%APPDATA%')")/Microsoft/Windows/Start Menu/Programs/Подбор контакторов.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\selmak'
files="selmak.exe selmak-find.exe readme.txt LICENSE.txt uninstall.exe"
[ ! -e "$folder" ] || { echo "installer-check: $installed is there before the install" >&2; exit 1; }

run selmak-1.00-setup.exe /S
printf 'installed into %s: %s\n' "$installed" "$(ls "$folder" | tr '\n' ' ')"
for file in $files; do
    [ -f "$folder/$file" ] || fail "no $file"
done
[ -f "$shortcut" ] || fail "no shortcut \"Подбор контакторов\" in the Start menu"
grep -aqF "$installed\\selmak.exe" "$shortcut" 2>/dev/null || fail "the shortcut does not start $installed\\selmak.exe"

# The Apps entry, as reg exports it (UTF-16).
run reg export "$key" "$(run winepath -w "$work/entry.reg" | tr -d '\r')" /y >/dev/null 2>&1 ||
    fail "no Apps entry $key"
entry=$(iconv -f UTF-16LE -t UTF-8 "$work/entry.reg" 2>/dev/null | tr -d '\r' || true)
printf '%s\n' "$entry"
for line in '"DisplayName"="Подбор контакторов"' '"DisplayVersion"="1.00"' '"Publisher"="TARVIS"' \
    '"DisplayIcon"="'"$(printf '%s' "$installed" | sed 's/\\/\\\\/g')"'\\selmak.exe,0"' \
    '"QuietUninstallString"="\"'"$(printf '%s' "$installed" | sed 's/\\/\\\\/g')"'\\uninstall.exe\" /S"'; do
    printf '%s\n' "$entry" | grep -qF -- "$line" || fail "the Apps entry lacks $line"
done

# Both programs run from where they were installed: the window comes up and closes.
seen=$(run tools/win32-probe/win32_probe.exe start "$installed\\selmak.exe" list click exit status)
printf '%s\n' "$seen" | head -1
printf '%s\n' "$seen" | grep -qF 'window "Подбор контакторов" class selmak' || fail "no main window"
printf '%s\n' "$seen" | grep -qF 'exit status 0' || fail "selmak.exe did not end with status 0"
run "$installed\\selmak-find.exe" --power 7.5 | grep -qF DILM15 || fail "selmak-find.exe did not answer"

# The uninstaller copies itself to the temporary folder and runs from there, so that it can delete
# itself: wait for it.
run "$installed\\uninstall.exe" /S
tries=0
while [ -e "$folder" ] && [ $tries -lt 100 ]; do
    sleep 0.2
    tries=$((tries + 1))
done
[ ! -e "$folder" ] || fail "left behind: $(ls -A "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
if run reg query "$key" >/dev/null 2>&1; then
    fail "the Apps entry is still there"
fi
[ $failed -ne 0 ] || printf 'uninstalled: nothing left in %s, the Start menu or the Apps list\n' "$installed"
exit $failed
