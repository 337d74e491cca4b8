#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks selmak.exe from outside, under Wine: tools/win32-probe starts it, reads the names screen
# readers get, types, presses, answers the warning, opens the find window by F3, types a part
# number, reads the list and presses Enter, closes it by Esc and opens it again from the system
# menu and from the context menu, opens the list window from the system menu, types two lines
# into it and closes it by Esc, opens About and exits, and this script looks for what must show
# at that dpi.
#   tools/win32-check.sh STATE BUILD_DIR     (the dpi comes from SELMAK_WINE_DPI, 96 by default)
set -eu
[ $# -eq 2 ] || { echo "usage: $0 STATE BUILD_DIR" >&2; exit 2; }
state=$1
cd "$2"
dpi=${SELMAK_WINE_DPI:-96}
here=$(dirname "$0")
[ "${here#/}" != "$here" ] || here="$OLDPWD/$here"

seen=$("$here/wine-run.sh" "$state" tools/win32-probe/win32_probe.exe start selmak.exe list names \
    click optCurrent set txtCurrent 15.5 click cmbChoose list \
    click optPower set txtPower 300 click cmbChoose warning \
    click Hide click far main list \
    key F3 find list set txtModel LC1F630 key RETURN list main list \
    find key ESCAPE main sysmenu 2 find list \
    key ESCAPE main menu key DOWN key RETURN find list \
    key ESCAPE main sysmenu 1 listwin set txtList 'LC1D18\nXYZ-1' list key ESCAPE \
    main sysmenu 1 listwin list key ESCAPE \
    main click cmbAbout about list main click exit status)
printf '%s\n' "$seen"

# Twips to pixels at this dpi, half up, as the windows convert them.
px() { echo $(((2 * $1 * dpi + 1440) / 2880)); }
failed=0
expect() {
    if ! printf '%s\n' "$seen" | grep -qF -- "$1"; then
        echo "MISSING: $1"
        failed=1
    fi
}
expect "window \"Подбор контакторов\" class selmak client $(px 9195)x$(px 6345) dpi $dpi"
# What a screen reader announces for the options and the boxes, asked from this other process.
named() { expect "name $(printf '%-18s' "$1") \"$2\""; }
named optPower "Номинальная мощность"
named optCurrent "Номинальная сила тока"
named txtPower "Номинальная мощность, кВт"
named txtCurrent "Номинальная сила тока, А"
expect "  lblCurrent         Static  $(printf '%4d %4d' "$(px 6480)" "$(px 600)")"
expect "txtPower           Edit    $(printf '%4d %4d' "$(px 600)" "$(px 1800)")"
expect "visible disabled \"\""
expect "\"15.2\""
expect "\"DILM15\""
expect "warning \"Значение мощности должно находиться в пределах (2.3...250 кВт)\" owner main buttons 1 icon no"
expect "  back               Button  $(printf '%4d %4d' "$(px 6255)" "$(px 240)")"
expect "visible enabled  \">\""
expect "\"DILM25\""
expect "window \"О програме...\" class frmAbout client $(px 5700)x$(px 3165) dpi $dpi"
expect "\"Подбор контакроров.\""
expect "\"Версия 0.9.0\""
expect "window \"Поиск по модели\" class frmFind client $(px 10680)x$(px 4800) dpi $dpi"
expect "  txtModel           Edit    $(printf '%4d %4d' "$(px 120)" "$(px 375)")"
expect "  lstHits            ListBox $(printf '%4d %4d' "$(px 120)" "$(px 780)")"
expect "    line 0 selected \"Telemecanique  LC1F630  —  ступень 19: 250 кВт, 437 А\""
expect "\"Найдено моделей: 1\""
expect "\"DIL500\""
# opened_anew CLASS TIMES BOX WHAT: the window was listed TIMES times, and the last time its box
# was empty: a window closed by Esc is opened anew, not brought back.
opened_anew() {
    if [ "$(printf '%s\n' "$seen" | grep -c "class $1")" != "$2" ] \
        || ! printf '%s\n' "$seen" | tr -d '\r' | grep "  $3 " | tail -n 1 | grep -q '""$'; then
        echo "MISSING: $4"
        failed=1
    fi
}
# Esc closed the window: the system menu opened a new one, with an empty box, and after Esc
# again the context menu's first item yet another.
opened_anew frmFind 4 txtModel "a new find window from each menu"
expect "window \"Замена по списку\" class frmList client $(px 10800)x$(px 7470) dpi $dpi"
expect "  cboTo              ComboBox $(printf '%4d %4d %4d %4d' "$(px 3360)" "$(px 2400)" "$(($(px 6360) - $(px 3360)))" "$(($(px 2715) - $(px 2400)))")"
expect "    rows 2"
expect "\"Строк: 2, найдено: 1, не найдено: 1\""
# Esc in the list's box closed the list window: the system menu opened a new one, empty.
opened_anew frmList 2 txtList "a new list window after Esc"
expect "exit status 0"
exit $failed
