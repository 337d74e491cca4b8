#!/bin/sh
# SPDX-License-Identifier: MIT
# selmak-find end to end: each check runs the program and compares its exit status, its standard
# output and its standard error with what is expected.
#   end_to_end.sh PATH-TO-selmak-find
set -u
program=$1
# What is said to a person is Russian under a Russian locale (the test run makes one: LOCPATH).
export LC_ALL=ru_RU.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME STATUS STDOUT STDERR -- ARGS...: STDOUT and STDERR are printf formats; '*' skips one.
check() {
    name=$1 status=$2 out=$3 err=$4
    shift 5
    "$program" "$@" >"$work/out" 2>"$work/err" <"$work/in"
    got=$?
    problem=
    [ "$got" -eq "$status" ] || problem="exit status $got, not $status"
    if [ "$out" != '*' ]; then
        printf "$out" >"$work/want"
        cmp -s "$work/out" "$work/want" || problem="$problem; stdout differs"
    fi
    if [ "$err" != '*' ]; then
        printf "$err" >"$work/want"
        cmp -s "$work/err" "$work/want" || problem="$problem; stderr differs"
    fi
    if [ -n "$problem" ]; then
        failures=$((failures + 1))
        echo "FAIL $name: $problem"
        echo "--- stdout"; cat "$work/out"; echo "--- stderr"; cat "$work/err"
    else
        echo "ok   $name"
    fi
}

# JSON Lines parsed back, each line one object with exactly the keys the format promises.
json_lines() {
    python3 -c '
import json, sys
keys = ["query", "kind", "step", "matched", "order", "power_kw", "current_a", "models", "today",
        "today_unrated", "today_code", "today_code_lacks", "error"]
for line in sys.stdin.buffer.read().decode("utf-8").splitlines():
    record = json.loads(line)
    assert list(record) == keys, record
    assert (record["today"] is None) == (record["models"] is None), record
    assert (record["today_unrated"] is None) == (record["models"] is None), record
    assert record["today_code"] is None or record["order"] is not None, record
    print(record["kind"], record["step"], record["matched"] and record["matched"]["model"],
          record["models"] and len(record["models"]), record["error"] is not None)
'
}

warning='Значение мощности должно находиться в пределах (2.3...250 кВт)\n'
step3='  Мощность (AC-3), кВт  7.5\n  Сила тока (AC-3), А   15.2\n'
header='step,power_kw,current_a,matched_maker,matched_model,matched_range,Moeller,Moeller today,Moeller today code,ИЭК,ИЭК today,ИЭК today code,error'

: >"$work/in"
check power_text 0 "7.5: ступень 3\n${step3}  Moeller               DILM15  сегодня DILM15\n" '' -- --power 7.5 --to moeller
check power_decimal_comma 0 "4,5: ступень 2\n  Мощность (AC-3), кВт  5.5\n  Сила тока (AC-3), А   11.3\n  АСКО                  ПМ 2-25  сегодня ---\n" '' -- --power 4,5 --to АСКО
check current_text 0 "12: ступень 2\n  Мощность (AC-3), кВт  5.5\n  Сила тока (AC-3), А   11.3\n  ИЭК                   КМИ-22511  сегодня ---\n" '' -- --current=12 --to=иэк
check out_of_range_text_says_why_on_stderr 1 '' "$warning" -- --power 300
check out_of_range_json_writes_its_record 1 '{"query":"300","kind":"power","step":null,"matched":null,"order":null,"power_kw":null,"current_a":null,"models":null,"today":null,"today_unrated":null,"today_code":null,"today_code_lacks":null,"error":"outside the catalogue'"'"'s range"}\n' '' -- --power 300 --format json
check model_marks_the_match 0 "KMI-11811: ИЭК  КМИ-11811  —  ступень 1: 4 кВт, 8.5 А\n  Мощность (AC-3), кВт  4\n  Сила тока (AC-3), А   8.5\n* ИЭК                   КМИ-11811  сегодня ---\n" '' -- KMI-11811 --to ИЭК
check model_at_its_own_rating_csv 0 "query,kind,$header\r\nLC1D18M7,model,3,7.5,15.2,Telemecanique,LC1D18,,DILM15,DILM15,,КМИ-23210,---,,\r\n" '' -- --model LC1D18M7 --to Moeller,ИЭК --format csv
check frame_at_two_steps_one_row 0 "query,kind,$header\r\n3RT2026,model,4/5,11,21.7,Siemens,3RT2026,SIRIUS 3RT2,DILM25,DILM25,,КМИ-34012,---,,\r\n" '' -- --model 3RT2026 --to Moeller,ИЭК --format csv
frame='"matched":{"maker":"Siemens","model":"3RT2026","range":{"brand":"Siemens","name":"SIRIUS 3RT2","kind":"today","power_kw":"11","current_a":"25"}},"order":{"frame":"3RT2026","coil":null,"aux":null,"terminals":null},"power_kw":"11","current_a":"21.7","models":{"АСКО":"ПМ 3-40"},"today":{"АСКО":null},"today_unrated":[],"today_code":{"АСКО":null},"today_code_lacks":{},"error":null}'
check frame_of_today_json 0 "{\"query\":\"3RT2026\",\"kind\":\"model\",\"step\":4,$frame\n{\"query\":\"3RT2026\",\"kind\":\"model\",\"step\":5,$frame\n" '' -- --model 3RT2026 --to асКо --format json
check frame_below_the_smallest_step 1 '' "3RT2015-1AP61: Siemens  3RT2015 (SIRIUS 3RT2, сегодня)  —  3 кВт, 7 А: меньше наименьшей ступени; катушка ~220 В 50 Гц / 240 В 60 Гц, 1НО\n" -- --model 3RT2015-1AP61
check frame_without_power 1 '' "KMI-10910-230: IEK  КМИ-10910 (КМИ, сегодня)  —  9 А, мощность при 400 В не указана; катушка не определена\n" -- --model KMI-10910-230
check frame_without_rating_json 1 '{"query":"3RT2017","kind":"model","step":null,"matched":{"maker":"Siemens","model":"3RT2017","range":{"brand":"Siemens","name":"SIRIUS 3RT2","kind":"today","power_kw":null,"current_a":null}},"order":{"frame":"3RT2017","coil":null,"aux":null,"terminals":null},"power_kw":null,"current_a":null,"models":null,"today":null,"today_unrated":null,"today_code":null,"today_code_lacks":null,"error":"its rating is not confirmed"}\n' '' -- 3RT2017 --format json --to ABB
check discontinued_range_json 0 '{"query":"LC1F225","kind":"model","step":15,"matched":{"maker":"Telemecanique","model":"LC1F225","range":{"brand":"Schneider Electric","name":"TeSys F","kind":"discontinued","power_kw":"110","current_a":"225"}},"order":{"frame":"LC1F225","coil":null,"aux":null,"terminals":null},"power_kw":"110","current_a":"196","models":{"ABB":"EH260"},"today":{"ABB":"AF205"},"today_unrated":[],"today_code":{"ABB":null},"today_code_lacks":{},"error":null}\n' '' -- LC1F225 --format json --to ABB
# Today's models marked where the rating is not confirmed or the range discontinued.
check today_marked 0 "90: ступень 14\n  Мощность (AC-3), кВт  90\n  Сила тока (AC-3), А   161\n  Telemecanique         LC1F185  сегодня LC1F185 (снят с производства)\n  ABB                   EH175    сегодня AF190 (номинал не подтверждён)\n" '' -- --power 90 --to Telemecanique,ABB
check today_unrated_json 0 '{"query":"90","kind":"power","step":14,"matched":null,"order":null,"power_kw":"90","current_a":"161","models":{"Telemecanique":"LC1F185","ABB":"EH175"},"today":{"Telemecanique":"LC1F185","ABB":"AF190"},"today_unrated":["ABB"],"today_code":null,"today_code_lacks":null,"error":null}\n' '' -- --power 90 --to Telemecanique,ABB --format json
# A whole order code: the coil and contacts read, and each maker's whole code of today for the
# same, with the auxiliary contacts to add, in each format.
check order_code_text 0 "LC1D25P7: Telemecanique  LC1D25  —  ступень 5: 11 кВт, 21.7 А; катушка ~230 В 50/60 Гц, 1НО+1НЗ\n  Мощность (AC-3), кВт  11\n  Сила тока (AC-3), А   21.7\n  ABB                   A25/B25  сегодня AF26-30-00-13 + блок-контакт 1НО+1НЗ\n* Telemecanique         LC1D25   сегодня LC1D25P7\n" '' -- LC1D25P7 --to ABB,Telemecanique
check order_code_json 0 '{"query":"LC1D25P7","kind":"model","step":5,"matched":{"maker":"Telemecanique","model":"LC1D25","range":null},"order":{"frame":"LC1D25","coil":{"kind":"AC","volts":[230,230],"hz":"50/60"},"aux":{"no":1,"nc":1},"terminals":"screw"},"power_kw":"11","current_a":"21.7","models":{"ABB":"A25/B25","Telemecanique":"LC1D25"},"today":{"ABB":"AF26","Telemecanique":"LC1D25"},"today_unrated":[],"today_code":{"ABB":"AF26-30-00-13","Telemecanique":"LC1D25P7"},"today_code_lacks":{"ABB":{"no":1,"nc":1}},"error":null}\n' '' -- --model LC1D25P7 --format json --to ABB,Telemecanique
check order_code_csv 0 'query,kind,step,power_kw,current_a,matched_maker,matched_model,matched_range,ABB,ABB today,ABB today code,Telemecanique,Telemecanique today,Telemecanique today code,error\r\nLC1D25P7,model,5,11,21.7,Telemecanique,LC1D25,,A25/B25,AF26,AF26-30-00-13 + aux 1NO+1NC,LC1D25,LC1D25,LC1D25P7,\r\n' '' -- --model LC1D25P7 --format csv --to ABB,Telemecanique
check dual_coil_json 0 '*' '' -- --model 'DILM32-01(230V50HZ,240V60HZ)' --format json --to Moeller
grep -q '"coil":{"kind":"AC","volts":\[230,240\],"hz":"50/60"},"aux":{"no":0,"nc":1}' "$work/out" \
    || { failures=$((failures + 1)); echo "FAIL dual_coil_json: the pair is not [230,240]"; }
check model_not_found 1 '' 'QQ123: В каталоге нет модели, с которой начинается это обозначение\n' -- --model QQ123
check unknown_maker 2 '' "selmak-find: неизвестный производитель «Acme» для --to (см. selmak-find --help)\n" -- --power 7.5 --to Acme
check unknown_option 2 '' "selmak-find: неизвестный параметр «--kw» (см. selmak-find --help)\n" -- --kw 7.5
LC_ALL=C check unknown_option_english 2 '' "selmak-find: unknown option '--kw' (see selmak-find --help)\n" -- --kw 7.5
check missing_file 2 '' '*' -- --batch "$work/absent"
check version 0 'selmak-find 1.00\n' '' -- --version
LC_ALL= LC_MESSAGES= LANG=ru_RU.UTF-8 check help_russian 0 '*' '' -- --help
grep -q '^Использование' "$work/out" || { failures=$((failures + 1)); echo "FAIL help_russian: not Russian"; }
LC_ALL=C check help_english 0 '*' '' -- --help
grep -q '^Usage' "$work/out" || { failures=$((failures + 1)); echo "FAIL help_english: not English"; }
check empty_list 0 '' '' -- --batch -
check brands_of_today 0 "query,kind,step,power_kw,current_a,matched_maker,matched_model,matched_range,Moeller,Moeller today,Moeller today code,Telemecanique,Telemecanique today,Telemecanique today code,Alien Bradey,Alien Bradey today,Alien Bradey today code,ИЭК,ИЭК today,ИЭК today code,error\r\n" '' -- --batch - --format csv --to "eaton, SCHNEIDER ELECTRIC,allen-bradley,IEK"

# A list with every kind of line, a line that finds nothing, an empty line, no final newline:
# one record a line, one for each step of a code, all valid JSON. (A NUL byte makes a file not
# text: see lists_end_to_end.py.)
printf '7.5 kW\n7,5кВт\n12А\n300\nLC1D18M7\n\nQQ123\nbad \357\277\276 byte\nlc1d1' >"$work/in"
check list_json 1 '*' '' -- --batch - --format json --to Moeller,ABB
json_lines <"$work/out" >"$work/parsed" || failures=$((failures + 1))
printf '%s\n' 'power 3 None 2 False' 'power 3 None 2 False' 'current 2 None 2 False' \
    'power None None None True' 'model 3 LC1D18 2 False' \
    'model None None None False' 'model None None None True' 'model None None None True' \
    'model 2 LC1D12 2 True' 'model 3 LC1D18 2 True' >"$work/want"
cmp -s "$work/parsed" "$work/want" || { failures=$((failures + 1)); echo "FAIL list_json parsed:"; cat "$work/parsed"; }

# A repeated line reads the same each time.
: >"$work/in"
"$program" --model LC1D18M7 --to ABB >"$work/one"
{ cat "$work/one"; echo; cat "$work/one"; echo; cat "$work/one"; } >"$work/want"
printf 'LC1D18M7\nLC1D18M7\nLC1D18M7\n' | "$program" --batch - --to ABB >"$work/out"
cmp -s "$work/out" "$work/want" || { failures=$((failures + 1)); echo "FAIL repeated_lines:"; cat "$work/out"; }

# A line too long to keep is cut and reported, and the line after it is still read.
{ head -c 16777300 /dev/zero | tr '\000' L; printf '\r\nLC1D09'; } >"$work/in"
check line_over_16_mib 1 '*' '' -- --batch - --format csv --to ABB
tail -n 2 "$work/out" | sed 's/^L*,/,/' >"$work/parsed"
printf ',model,,,,,,,,,,line longer than 16 MiB: not looked up\r\nLC1D09,model,1,4,8.5,Telemecanique,LC1D09,,A9/B9,AF09,,\r\n' >"$work/want"
cmp -s "$work/parsed" "$work/want" || { failures=$((failures + 1)); echo "FAIL line_over_16_mib:"; cat "$work/parsed"; }

# Bills of materials in both separators, with a byte-order mark and CRLF, a quoted field and a row
# shorter than the header: every row comes back as it was, padded to the header's width, with
# what it found appended under the header's names.
printf '\357\273\277Pos;Code;Qty\r\n1;"LC1D09 ; coil";2\r\n2;QQ123;1\r\n3\r\n' >"$work/in"
check bill_semicolons 1 "\357\273\277Pos;Code;Qty;$(echo "$header" | tr , ';')\r\n1;\"LC1D09 ; coil\";2;1;4;8.5;Telemecanique;LC1D09;;DILM9;DILM9;;КМИ-11811;---;;\r\n2;QQ123;1;;;;;;;;;;;;;no catalogue model begins this code\r\n3;;;;;;;;;;;;;;;\r\n" '' -- --batch - --column 2 --to Moeller,ИЭК
printf 'Code,Qty\n"DILM15-01, 230V",2\n11 kW,1\n' >"$work/in"
check bill_commas 0 "Code,Qty,$header\n\"DILM15-01, 230V\",2,3,7.5,15.2,Moeller,DILM15,,DILM15,DILM15,,КМИ-23210,---,,\n11 kW,1,4,11,21.7,,,,DILM25,DILM25,,КМИ-34012,---,,\n" '' -- --batch - --column 1 --to Moeller,ИЭК --format csv
check bill_json_refused 2 '' '*' -- --batch - --column 1 --format json

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
