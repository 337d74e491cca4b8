#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes a bill of materials in the four text formats that Russian Excel saves, from a readable
UTF-8 source with ';' separators, as Excel writes each: CRLF between rows, a line break inside a
cell as LF, a cell quoted when it holds the separator, a quote or a line break.

  make_excel_fixtures.py SOURCE FOLDER

  csv-cp1251.csv     "CSV (разделители – запятые)": Windows-1251, ';'
  csv-utf8.csv       "CSV UTF-8 (разделители – запятые)": UTF-8 with a byte-order mark, ';'
  text-cp1251.txt    "Текстовые файлы (с разделителями табуляции)": Windows-1251, tab
  unicode-text.txt   "Юникод-текст": UTF-16LE with a byte-order mark, tab
"""
import csv
import io
import pathlib
import sys

# name: (encoding as Python names it, byte-order mark, separator)
FORMATS = {
    "csv-cp1251.csv": ("cp1251", b"", ";"),
    "csv-utf8.csv": ("utf-8", b"\xef\xbb\xbf", ";"),
    "text-cp1251.txt": ("cp1251", b"", "\t"),
    "unicode-text.txt": ("utf-16-le", b"\xff\xfe", "\t"),
}


def rows(source):
    with open(source, encoding="utf-8", newline="") as text:
        return list(csv.reader(text, delimiter=";"))


def excel_bytes(table, encoding, mark, separator):
    text = io.StringIO()
    csv.writer(text, delimiter=separator, lineterminator="\r\n").writerows(table)
    return mark + text.getvalue().encode(encoding)


def main_into(source, folder):
    table = rows(source)
    for name, form in FORMATS.items():
        (pathlib.Path(folder) / name).write_bytes(excel_bytes(table, *form))


if __name__ == "__main__":
    main_into(sys.argv[1], sys.argv[2])
