#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""selmak-find over bills of materials as Excel writes them, end to end: the four text formats
Russian Excel saves, made by make_excel_fixtures.py from excel/bill.csv, and one table of the
faults that lists once had. PROGRAM is the command that runs selmak-find: the program itself, or
tools/wine-run.sh STATE selmak-find.exe with --windows, which adds the rows only Windows needs.

  lists_end_to_end.py [--windows] -- PROGRAM...
"""
import csv
import io
import os
import pathlib
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import make_excel_fixtures  # noqa: E402

MAKERS = ["--to", "Moeller,ИЭК"]
FOUND_HEADER = ["step", "power_kw", "current_a", "matched_maker", "matched_model",
                "matched_range", "Moeller", "Moeller today", "Moeller today code", "ИЭК",
                "ИЭК today", "ИЭК today code", "error"]
# What each row of excel/bill.csv finds, by its position: step, Moeller, ИЭК, error.
ANSWERS = {
    "1": ["1", "DILM9", "КМИ-11811", ""],
    "2": ["3", "DILM15", "КМИ-23210", ""],
    "3": ["3", "DILM15", "КМИ-23210", ""],
    "4": ["2", "DILM12", "КМИ-22511", ""],
    "5": ["1", "DILM9", "КМИ-11811", ""],
    "6": ["", "", "", "no catalogue model begins this code"],
    "7": ["4/5", "DILM25", "КМИ-34012", ""],
}

failures = 0


def fail(name, why):
    global failures
    failures += 1
    print(f"FAIL {name}: {why}")


def run(program, args, stdin=b"", env=None, cwd=None):
    done = subprocess.run(program + args, input=stdin, capture_output=True, env=env, cwd=cwd)
    return done.returncode, done.stdout, done.stderr


def check_excel_format(program, folder, name):
    """The bill comes back in its own encoding, mark and separator, every row once, each with
    its own cells as they were and what it found under the header's names."""
    encoding, mark, separator = make_excel_fixtures.FORMATS[name]
    data = (folder / name).read_bytes()
    status, out, err = run(program, ["--batch", name, "--column", "2"] + MAKERS, cwd=folder)
    problems = []
    if status != 1:
        problems.append(f"exit status {status}, not 1 (XYZ-1 finds nothing)")
    if out[:len(mark)] != mark or (not mark and out[:3] in (b"\xef\xbb\xbf",)):
        problems.append("the byte-order mark is not the file's")
    text_in = data[len(mark):].decode(encoding)
    text_out = out[len(mark):].decode(encoding, errors="replace")
    rows_in = text_in.split("\r\n")
    rows_out = text_out.split("\r\n")
    if "\r\r\n" in text_out or len(rows_out) != len(rows_in):
        problems.append(f"{len(rows_out)} records for {len(rows_in)}, or a doubled CR")
    for raw_in, raw_out in zip(rows_in, rows_out):
        if not raw_in.strip(separator):
            if raw_out != raw_in:
                problems.append(f"an empty row was changed: {raw_out!r}")
            continue
        if not raw_out.startswith(raw_in + separator):
            problems.append(f"row {raw_in!r} did not keep its cells: {raw_out!r}")
            continue
        cells = next(csv.reader(io.StringIO(raw_out), delimiter=separator))
        found = cells[4:]
        if raw_in.startswith("Поз."):
            if found != FOUND_HEADER:
                problems.append(f"header {found}")
        elif [found[0], found[6], found[9], found[12]] != ANSWERS[cells[0]]:
            problems.append(f"row {cells[0]} found {found}")
    if err:
        problems.append(f"stderr {err!r}")
    if problems:
        fail(f"excel_{name}", "; ".join(problems))
    else:
        print(f"ok   excel_{name}")


def cp1251(text):
    return text.encode("cp1251")


HEADER = (";step;power_kw;current_a;matched_maker;matched_model;matched_range;Moeller;Moeller today;"
          "Moeller today code;error")
R2 = "Поз.;Обозначение;Кол.\r\n1;\"LC1D09;2\r\n2;LC1D18;1\r\n3;DILM9;1\r\n"
R2_ROWS = 80000
SHEET = "Поз.;Обозначение;Кол.\r\n"

# name, arguments, standard input, exit status, what standard output must be (bytes) or hold
# (a function), what standard error must hold, and whether only Windows needs the row.
FAULTS = [
    # 1: Windows-1251 with ';', in and out in its own encoding.
    ("cp1251_bill", ["--batch", "-", "--column", "2", "--to", "Moeller"],
     cp1251(SHEET + "1;КМИ-11811;2\r\n2;7,5 кВт;1\r\n3;12 А;1\r\n"), 0,
     cp1251("Поз.;Обозначение;Кол." + HEADER + "\r\n"
            "1;КМИ-11811;2;1;4;8.5;ИЭК;КМИ-11811;;DILM9;DILM9;;\r\n"
            "2;7,5 кВт;1;3;7.5;15.2;;;;DILM15;DILM15;;\r\n"
            "3;12 А;1;2;5.5;11.3;;;;DILM12;DILM12;;\r\n"), "", False),
    ("cp1251_list", ["--batch", "-", "--format", "csv", "--to", "ИЭК"], cp1251("КМИ-11811\r\n"),
     0, lambda out: "КМИ-11811,model,1,".encode() in out, "", False),
    # 2: an unclosed quote: said, with its line and length, and the rows after it answered.
    ("unclosed_quote", ["--batch", "r2.csv", "--column", "2", "--to", "Moeller"], R2.encode(), 1,
     ("Поз.;Обозначение;Кол." + HEADER + "\r\n"
      "1;\"LC1D09;2\";;1;4;8.5;Telemecanique;LC1D09;;DILM9;DILM9;;\r\n"
      "2;LC1D18;1;3;7.5;15.2;Telemecanique;LC1D18;;DILM15;DILM15;;\r\n"
      "3;DILM9;1;1;4;8.5;Moeller;DILM9;;DILM9;DILM9;;\r\n").encode(),
     "r2.csv:2: a quote opened in this line is not closed before the end of the file (3 lines)",
     False),
    ("unclosed_quote_long", ["--batch", "-", "--column", "2", "--to", "Moeller"],
     (R2 + "".join(f"{i};DILM9;1\r\n" for i in range(R2_ROWS))).encode(), 1,
     lambda out: out.count(b"\r\n") == 4 + R2_ROWS and out.count(b";DILM9;DILM9;") == R2_ROWS + 2,
     ":2: a quote opened", False),
    # 3: a short row padded under the header's names.
    ("short_row", ["--batch", "-", "--column", "2", "--to", "Moeller"],
     "Поз.;Обозначение;Кол.;Примечание\r\n1;LC1D18\r\n".encode(), 0,
     ("Поз.;Обозначение;Кол.;Примечание" + HEADER + "\r\n"
      "1;LC1D18;;;3;7.5;15.2;Telemecanique;LC1D18;;DILM15;DILM15;;\r\n").encode(), "", False),
    # 4: commas in the header's heading.
    ("commas_in_the_header", ["--batch", "-", "--column", "2", "--to", "Moeller"],
     "Поз.;Тип, марка, обозначение;Кол.\r\n1;LC1D09;2\r\n".encode(), 0,
     ("Поз.;Тип, марка, обозначение;Кол." + HEADER + "\r\n"
      "1;LC1D09;2;1;4;8.5;Telemecanique;LC1D09;;DILM9;DILM9;;\r\n").encode(), "", False),
    # 5: tab-separated text, and UTF-16.
    ("tab_separated", ["--batch", "-", "--column", "2", "--to", "Moeller", "--no-header"],
     cp1251("1\t7,5 кВт\t2\r\n"), 0,
     cp1251("1\t7,5 кВт\t2\t3\t7.5\t15.2\t\t\t\tDILM15\tDILM15\t\t\r\n"), "", False),
    ("unicode_text", ["--batch", "-", "--column", "2", "--to", "Moeller", "--no-header"],
     b"\xff\xfe" + "1\tLC1D09\t2\r\n".encode("utf-16-le"), 0,
     b"\xff\xfe" + "1\tLC1D09\t2\t1\t4\t8.5\tTelemecanique\tLC1D09\t\tDILM9\tDILM9\t\t\r\n".encode(
         "utf-16-le"), "", False),
    # 6: no header, one line, empty rows.
    ("no_header", ["--batch", "-", "--column", "1", "--no-header", "--to", "Moeller"],
     b"LC1D09;2\r\n", 0, b"LC1D09;2;1;4;8.5;Telemecanique;LC1D09;;DILM9;DILM9;;\r\n", "", False),
    ("one_line_said", ["--batch", "-", "--column", "1"], b"LC1D09;2\r\n", 0,
     lambda out: out.startswith(b"LC1D09;2;step;"), "stdin:1: the first line is read as the header",
     False),
    ("empty_rows_untouched", ["--batch", "-", "--column", "2", "--to", "Moeller"],
     (SHEET + "\r\n;;;;\r\n1;LC1D09;2\r\n").encode(), 0,
     lambda out: out.split(b"\r\n")[1:3] == [b"", b";;;;"], "", False),
    ("empty_lines_in_a_list", ["--batch", "-", "--to", "Moeller", "--format", "csv"],
     b"LC1D09\n\n;;;;\n", 0, lambda out: out.count(b"\r\n") == 4, "", False),
    # 7: not text, and control characters kept from a terminal.
    ("binary", ["--batch", "-"], b"\x7fELF\x02\x01\x01\x00" * 64, 2, b"",
     "stdin: not a text file: nothing is written", False),
    ("workbook", ["--batch", "-", "--column", "2"], b"PK\x03\x04\x14\x00\x06\x00" * 8, 2, b"",
     "save the sheet as CSV", False),
    ("escape_in_text", ["--batch", "-", "--to", "Moeller"], b"LC1D09\x1b[2J\n", 0,
     lambda out: b"\x1b" not in out and "LC1D09\ufffd[2J: ".encode() in out, "", False),
    # 9: one language for a person; CSV and JSON keep their English keys.
    ("text_in_russian", ["--power", "7.5", "--to", "Moeller"], b"", 0,
     lambda out: "ступень 3".encode() in out and "сегодня DILM15".encode() in out
     and b"step" not in out and b"today" not in out, "", False),
    ("not_found_in_russian", ["QQ123"], b"", 1, b"",
     "QQ123: В каталоге нет модели, с которой начинается это обозначение", False),
    ("single_query_json_has_its_error", ["QQ123", "--format", "json"], b"", 1,
     lambda out: b'"error":"no catalogue model begins this code"' in out, "", False),
    # 8: Windows: Cyrillic arguments, no doubled CR, the help in the user's language.
    ("cyrillic_arguments", ["--model", "КМИ-11811", "--to", "ИЭК", "--format", "csv"], b"", 0,
     "query,kind,step,power_kw,current_a,matched_maker,matched_model,matched_range,ИЭК,ИЭК today,"
     "ИЭК today code,error\r\nКМИ-11811,model,1,4,8.5,ИЭК,КМИ-11811,,КМИ-11811,---,,\r\n".encode(), "", True),
    ("cp1251_bill_byte_for_byte", ["--batch", "-", "--column", "2", "--to", "ИЭК"],
     cp1251(SHEET + "1;КМИ-11811;2\r\n"), 0,
     cp1251("Поз.;Обозначение;Кол.;step;power_kw;current_a;matched_maker;matched_model;"
            "matched_range;ИЭК;ИЭК today;ИЭК today code;error\r\n1;КМИ-11811;2;1;4;8.5;ИЭК;"
            "КМИ-11811;;КМИ-11811;---;;\r\n"), "", True),
]


def check_fault(program, row, folder, env):
    name, args, stdin, status, want_out, want_err, _ = row
    if "r2.csv" in args:
        (folder / "r2.csv").write_bytes(stdin)
        stdin = b""
    got, out, err = run(program, args, stdin, env=env, cwd=folder)
    problems = []
    if got != status:
        problems.append(f"exit status {got}, not {status}")
    if callable(want_out) and not want_out(out):
        problems.append(f"stdout {out[:400]!r}")
    if isinstance(want_out, bytes) and out != want_out:
        problems.append(f"stdout {out[:400]!r}")
    if want_err not in err.decode("utf-8", errors="replace"):
        problems.append(f"stderr {err[:400]!r}")
    if problems:
        fail(name, "; ".join(problems))
    else:
        print(f"ok   {name}")


def main():
    args = sys.argv[1:]
    windows = "--windows" in args
    # The rows run in a folder of their own: paths to the program made absolute.
    program = [str(pathlib.Path(a).resolve()) if pathlib.Path(a).exists() else a
               for a in args[args.index("--") + 1:]]
    env = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="")
    with tempfile.TemporaryDirectory() as work:
        folder = pathlib.Path(work)
        make_excel_fixtures.main_into(HERE / "excel" / "bill.csv", folder)
        for name in make_excel_fixtures.FORMATS:
            check_excel_format(program, folder, name)
        for row in FAULTS:
            if windows or not row[-1]:
                check_fault(program, row, folder, env)
    print(f"{len(make_excel_fixtures.FORMATS) + len(FAULTS) - failures} passed, {failures} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
