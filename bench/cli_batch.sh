#!/bin/sh
# SPDX-License-Identifier: MIT
# selmak-find --batch over a million model codes against an exact-match awk join of the same
# list with the same table of models; the program should take about as long as the join. Needs python3 and hyperfine (tools/install-deps.sh bench).
#   bench/cli_batch.sh [PATH-TO-selmak-find] [COUNT]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/bench/cli/selmak-find}
count=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/make_model_list.py" "$count" "$work"
join='awk -F"\t" '\''NR == FNR { step[$1] = step[$1] " " $2; next }
    { print $0 "\t" (($0 in step) ? step[$0] : "-") }'\'' table.tsv list.txt'
cd "$work"
# The program's status is 1 because one code in ten finds nothing: hence -i.
hyperfine -i -w 2 -r 10 -N \
    "$program --batch list.txt --format csv --to Moeller" \
    "$program --batch list.txt --format csv" \
    "$program --batch list.txt --format json" \
    "$program --batch list.txt"
hyperfine -w 2 -r 10 "$join"
