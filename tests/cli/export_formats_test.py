#!/usr/bin/env python3
"""The CSV and web page exports read back by outside readers.

Random lists with quotes, commas, line breaks, UTF-8 and legacy 8-bit text
go through `korvalen-cli import` and `korvalen-cli export`; Python's csv
module must read every record back as it was, and the page must pass
`tidy -e -q` without a word and hold every row in order.

usage: export_formats_test.py KORVALEN-CLI
"""

import csv
import html.parser
import os
import random
import shutil
import subprocess
import sys
import tempfile

# Exported columns: Band, Date, City, Country, Venue, Boootleg name, Quality, Num, Comment.
COLUMNS = [1, 2, 3, 4, 5, 6, 9, 10, 13]
CAPTIONS = ["Band", "Date", "City", "Country", "Venue", "Boootleg name", "Quality", "Num", "Comment"]
# Where each column's field stands in a dump line.
DUMP_FIELD = {1: 0, 2: 1, 3: 2, 4: 3, 5: 4, 6: 5, 9: 8, 10: 9, 13: 13}

PIECES = ["a", "Z", " ", ",", '"', "\n", "\r\n", "\r", "'", ";", "<td>", "&amp;", "\u0142\u00f3d\u017a",
          "J\u00e4\u00e4halli", "\u20ac", "\U0001F3B8", "1974.12.01"]
# "łódź" in Windows-1250, the code page the command-line tool reads old text in.
LEGACY = b"\xb3\xf3d\x9f"


def random_text(rng):
    if rng.random() < 0.08:
        return LEGACY, LEGACY.decode("cp1250")
    text = "".join(rng.choice(PIECES) for _ in range(rng.randint(0, 6)))
    return text.encode("utf-8"), text


def escape_dump(data):
    return (data.replace(b"\\", b"\\\\").replace(b"\t", b"\\t").replace(b"\r", b"\\r")
            .replace(b"\n", b"\\n"))


def random_list(rng, count):
    """Dump lines and, per record, the texts of the exported columns."""
    lines, records = [], []
    bands = [random_text(rng) for _ in range(3)]
    for _ in range(count):
        fields = [b""] * 14
        shown = {}
        for column in COLUMNS:
            data, text = rng.choice(bands) if column == 1 else random_text(rng)
            fields[DUMP_FIELD[column]] = data
            shown[column] = text
        fields[6] = str(rng.randint(0, 5)).encode()
        fields[7] = str(rng.randint(0, 16)).encode()
        lines.append(b"\t".join(escape_dump(f) for f in fields))
        records.append([shown[c] for c in COLUMNS])
    return b"\n".join(lines) + (b"\n" if lines else b""), records


def run(*args):
    result = subprocess.run(args, capture_output=True)
    if result.returncode != 0:
        raise AssertionError(f"{args}: {result.stderr.decode(errors='replace')}")


class TableRows(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.rows, self.captions, self.cell = [], [], None

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag in ("td", "th"):
            self.cell = ""

    def handle_endtag(self, tag):
        if tag == "td":
            self.rows[-1].append(self.cell)
        elif tag == "th":
            self.captions.append(self.cell)
        if tag in ("td", "th"):
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


def check_round(cli, folder, rng, count, by_tours):
    dump, records = random_list(rng, count)
    dump_path, list_path = os.path.join(folder, "in.tsv"), os.path.join(folder, "list.kvu")
    with open(dump_path, "wb") as f:
        f.write(dump)
    run(cli, "import", dump_path, list_path)
    tours = ["--tours", os.path.join(folder, "tours")] if by_tours else []
    columns = ",".join(str(c) for c in COLUMNS)

    csv_path = os.path.join(folder, "out.csv")
    run(cli, "export", list_path, csv_path, "--format", "csv", "--columns", columns, *tours)
    with open(csv_path, "rb") as f:
        raw = f.read()
    assert raw.endswith(b"\r\n"), "every record ends in CR LF"
    with open(csv_path, newline="", encoding="utf-8") as f:
        read = list(csv.reader(f))
    # No tour file: the Band column is the record's band, the Tour column empty.
    expected = [r[:1] + [""] + r if by_tours else r for r in records]
    header = ["Band", "Tour"] + CAPTIONS if by_tours else CAPTIONS
    assert read[0] == header, read[0]
    assert len(read) == len(expected) + 1, f"{len(read) - 1} records of {len(expected)}"
    for got, want in zip(read[1:], expected):
        assert got == want, f"by tours {by_tours}: {got!r} != {want!r}"

    html_path = os.path.join(folder, "out.html")
    run(cli, "export", list_path, html_path, "--format", "html", "--columns", columns, *tours)
    tidy = subprocess.run(["tidy", "-e", "-q", html_path], capture_output=True)
    assert tidy.returncode == 0 and not tidy.stdout and not tidy.stderr, tidy.stderr.decode()
    with open(html_path, encoding="utf-8") as f:
        page = f.read()
    assert "<script src" not in page and "<link" not in page, "the page needs no other file"
    parser = TableRows()
    parser.feed(page)
    rows = [row for row in parser.rows if row]
    # A page reads every line break as LF.
    expected = [[cell.replace("\r\n", "\n").replace("\r", "\n") for cell in r] for r in records]
    assert len(rows) == len(expected), f"{len(rows)} rows of {len(expected)}"
    for row, want in zip(rows, expected):
        assert row == want, f"{row!r} != {want!r}"
    assert set(parser.captions) <= set(CAPTIONS) and (not records or parser.captions[:9] == CAPTIONS)


def check_code_page(cli, folder):
    """Old 8-bit text is read in the code page the command is given."""
    dump_path, list_path = os.path.join(folder, "legacy.tsv"), os.path.join(folder, "legacy.kvu")
    with open(dump_path, "wb") as f:
        f.write(b"\t".join([LEGACY] + [b""] * 5 + [b"0", b"0"] + [b""] * 6) + b"\n")
    run(cli, "import", dump_path, list_path)
    csv_path = os.path.join(folder, "legacy.csv")
    for page in ("1250", "1252"):
        run(cli, "export", list_path, csv_path, "--format", "csv", "--columns", "1", "--code-page", page)
        with open(csv_path, newline="", encoding="utf-8") as f:
            assert list(csv.reader(f)) == [["Band"], [LEGACY.decode("cp" + page)]], page
    bad = subprocess.run([cli, "export", list_path, csv_path, "--code-page", "437"], capture_output=True)
    assert bad.returncode == 1 and b"--code-page" in bad.stderr


def main():
    cli = sys.argv[1]
    rng = random.Random(3207)
    folder = tempfile.mkdtemp(prefix="korvalen-export-formats-")
    try:
        os.mkdir(os.path.join(folder, "tours"))
        for round_ in range(40):
            check_round(cli, folder, rng, rng.choice([0, 1, 2, 7, 30, 200]), round_ % 2 == 1)
        check_code_page(cli, folder)
    finally:
        shutil.rmtree(folder)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
