#!/bin/sh
# SPDX-License-Identifier: MIT
# selmak-find --batch over a million model codes against an awk join that prints the very same
# lines: awk reads a table of each distinct line's answer (written by the program itself) and
# prints the answer of each line of the list, so both write the same bytes; the program should
# take at most 1.5 times as long, JSON at most twice CSV. Then peak memory over a tenth of the list
# and the whole (it must not grow), and a bill whose quote never closes, 80,000 rows.
# Needs python3, hyperfine and GNU time (tools/install-deps.sh bench).
#   bench/cli_batch.sh [PATH-TO-selmak-find] [COUNT]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/bench/cli/selmak-find}
count=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/make_model_list.py" "$count" "$work"
cd "$work"
# The answers of the distinct lines, one CSV row each, as the table the join reads.
sort -u list.txt >distinct.txt
"$program" --batch distinct.txt --format csv >answers.csv || true
tail -n +2 answers.csv | tr -d "\r" | paste distinct.txt - >table.tsv
head -n 1 answers.csv >header.csv
join='awk -F"\t" '\''NR == FNR { answer[$1] = $2; next } FNR == 1 { print header }
    { print answer[$0] }'\'' header="$(tr -d "\r" <header.csv)" ORS="\r\n" table.tsv list.txt'
sh -c "$join" >joined.csv
"$program" --batch list.txt --format csv >program.csv || true
cmp joined.csv program.csv && echo "the join prints the very same lines: $(wc -c <program.csv) bytes"

# The program's status is 1 because one code in ten finds nothing: hence -i.
hyperfine -i -w 2 -r 10 -N \
    "$program --batch list.txt --format csv" \
    "$program --batch list.txt --format json" \
    "$program --batch list.txt --format csv --to Moeller" \
    "$program --batch list.txt"
hyperfine -w 2 -r 10 "$join"

head -n $((count / 10)) list.txt >tenth.txt
for list in tenth.txt list.txt; do
    /usr/bin/time -f "peak memory over $list: %M KiB" \
        "$program" --batch $list --format json >/dev/null || true
done

python3 - <<'PY'
rows = "".join(f"{i};DILM9;1\r\n" for i in range(80000))
open("unclosed.csv", "w", encoding="utf-8", newline="").write(
    'Поз.;Обозначение;Кол.\r\n1;"LC1D09;2\r\n' + rows)
PY
hyperfine -i -w 1 -r 5 -N "$program --batch unclosed.csv --column 2"
