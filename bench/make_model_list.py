#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the inputs of the selmak-find list benchmark from the catalogue in core/catalog.cpp and
today's ranges in data/today.csv:

  table.tsv  every catalogue model and its step, and every frame of data/today.csv with its kW,
             one pair a line, for an exact-match join
  list.txt   COUNT model codes as they stand on nameplates and in bills of materials: real
             catalogue models and frames, most with coil or accessory suffixes, in mixed case,
             and one in ten a code that no model begins
"""
import pathlib
import csv
import random
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "core" / "catalog.cpp"
TODAY = ROOT / "data" / "today.csv"
MAKER_COLUMNS = [c for c in range(1, 17) if c not in (1, 14)]  # 1 is kW, 14 is A
SUFFIXES = ["", "", "M7", "-1BB41", "(230V50HZ)", " 24V DC", "-10", ".22", "-30-11", "N7"]


def catalogue_rows():
    table = SOURCE.read_text(encoding="utf-8").split("kTable", 1)[1]
    for row in re.findall(r"\{((?:\s*\"[^\"]*\",?)+)\s*\}", table)[:19]:
        yield re.findall(r"\"([^\"]*)\"", row)


def models_of_cell(cell):
    # "CI15/16": a part that is all digits takes the letters before the digits of the first.
    parts = cell.split("/")
    stem = re.match(r"\D*", parts[0]).group(0)
    return [stem + p if p.isdigit() else p for p in parts]


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    out = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else ".")
    pairs = []
    for step, row in enumerate(catalogue_rows(), start=1):
        for column in MAKER_COLUMNS:
            cell = row[column - 1]
            if cell != "---":
                pairs += [(model, step) for model in models_of_cell(cell)]
    with TODAY.open(encoding="utf-8", newline="") as data:
        rows = csv.DictReader(line for line in data if not line.startswith("#"))
        pairs += [(row["model"], row["kw"]) for row in rows]
    (out / "table.tsv").write_text("".join(f"{m}\t{s}\n" for m, s in pairs), encoding="utf-8")

    rng = random.Random(10)
    models = sorted({m for m, _ in pairs})
    lines = []
    for _ in range(count):
        if rng.random() < 0.1:
            lines.append(f"XQ{rng.randrange(100000)}")
            continue
        code = rng.choice(models) + rng.choice(SUFFIXES)
        lines.append(code.lower() if rng.random() < 0.2 else code)
    (out / "list.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
