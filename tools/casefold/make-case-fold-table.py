#!/usr/bin/env python3
"""Writes src/platform/CaseFoldTable.inc: the one-character case folding of
every code point, as runs of (first, count, stride, delta).

A character folds to its str.casefold() when that is one character, else to
its str.lower() when that is one character, else to itself. So letters fold
as Unicode's simple case folding does (the full folding's "ss" for a sharp s
would make one character match two). Run it again when Python's Unicode
version moves:  python3 tools/casefold/make-case-fold-table.py
"""
import os
import sys
import unicodedata


def fold(c):
    ch = chr(c)
    for candidate in (ch.casefold(), ch.lower()):
        if len(candidate) == 1:
            return ord(candidate)
    return c


def runs(pairs):
    out = []
    for code, target in pairs:
        delta = target - code
        if out:
            first, count, stride, d = out[-1]
            last = first + (count - 1) * stride
            if d == delta:
                if count == 1 and code - first in (1, 2):
                    out[-1] = [first, 2, code - first, d]
                    continue
                if count > 1 and code == last + stride:
                    out[-1][1] += 1
                    continue
        out.append([code, 1, 1, delta])
    return out


def main():
    pairs = [(c, fold(c)) for c in range(0x110000)
             if not 0xD800 <= c <= 0xDFFF and fold(c) != c]
    table = runs(pairs)
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "..", "src", "platform", "CaseFoldTable.inc")
    with open(target, "w", encoding="ascii") as f:
        f.write("// Made by tools/casefold/make-case-fold-table.py from Unicode %s; do not edit.\n"
                % unicodedata.unidata_version)
        f.write("// %d characters fold, in %d runs of {first, count, stride, delta}.\n" % (len(pairs), len(table)))
        f.write("// clang-format off\n")
        for first, count, stride, delta in table:
            f.write("{0x%05X, %d, %d, %d},\n" % (first, count, stride, delta))
        f.write("// clang-format on\n")
    print("%d characters, %d runs" % (len(pairs), len(table)), file=sys.stderr)


if __name__ == "__main__":
    main()
