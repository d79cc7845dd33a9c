#!/usr/bin/env python3
"""Plants single-line faults in the Qt-free code and tells which ones no test catches.

Each mutation (a flipped comparison, an off-by-one, a dropped branch, a swapped
return value) is written into its file, the Qt-free build is rebuilt and its
tests run; a mutation the tests let pass is a survivor. The file is always put
back, also on Ctrl+C or an error. The picks depend only on --seed, -n and the
content of the files, so a later run with the same seed tries the same faults
(--save and --replay keep the list in a file as well).

    tools/mutate.py --seed 37 -n 40 [--build build-noqt] [--save F | --replay F] [files...]
"""

import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
QT_FREE_DIRS = ("src/platform/", "src/core/", "src/program/", "src/controls/")

# (pattern, replacement, what): spaces around the operators keep templates,
# shifts and arrows out.
OPERATORS = [
    (r" < ", " <= ", "< to <="),
    (r" <= ", " < ", "<= to <"),
    (r" > ", " >= ", "> to >="),
    (r" >= ", " > ", ">= to >"),
    (r" == ", " != ", "== to !="),
    (r" != ", " == ", "!= to =="),
    (r" && ", " || ", "&& to ||"),
    (r" \|\| ", " && ", "|| to &&"),
    (r" \+ 1(?![\w.])", " - 1", "+ 1 to - 1"),
    (r" - 1(?![\w.])", " + 1", "- 1 to + 1"),
    (r" \+ 1(?![\w.])", "", "+ 1 dropped"),
    (r"\breturn true;", "return false;", "return true to false"),
    (r"\breturn false;", "return true;", "return false to true"),
]


def qt_free_sources(build):
    """The .cpp files under the Qt-free folders that the Qt-free build compiles."""
    with open(os.path.join(build, "build.ninja"), encoding="utf-8") as ninja:
        text = ninja.read()
    found = set()
    for path in re.findall(r"build \S+\.o: CXX_COMPILER\S* (\S+\.cpp)", text):
        path = os.path.relpath(os.path.join(build, path.replace("$:", ":")), ROOT)
        if path.startswith(QT_FREE_DIRS):
            found.add(path)
    return sorted(found)


def code_spans(line):
    """(start, end) pieces of the line outside string literals and // comments."""
    spans, start, quote, i = [], 0, None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                i += 1
            elif c == quote:
                quote, start = None, i + 1
        elif c in "\"'":
            spans.append((start, i))
            quote = c
        elif line.startswith("//", i):
            break
        i += 1
    if not quote:
        spans.append((start, i))
    return spans


def branch_sites(line, spans):
    """Replaces the whole condition of an `if (...)` that closes on its line."""
    for m in re.finditer(r"\bif \(", line):
        if not any(a <= m.start() < b for a, b in spans):
            continue
        depth, i = 1, m.end()
        while i < len(line) and depth:
            depth += {"(": 1, ")": -1}.get(line[i], 0)
            i += 1
        if depth == 0 and i - 1 > m.end():
            for value in ("false", "true"):
                yield m.end(), i - 1, value, "if (...) to if (%s)" % value


def sites_of(path):
    with open(os.path.join(ROOT, path), encoding="utf-8", errors="surrogateescape") as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines, 1):
        stripped = line.lstrip()
        if stripped.startswith(("//", "#", "*", "/*")) or "clang-format" in line:
            continue
        spans = code_spans(line)
        for pattern, replacement, what in OPERATORS:
            for m in re.finditer(pattern, line):
                if any(a <= m.start() and m.end() <= b for a, b in spans):
                    yield path, number, m.start(), m.end(), replacement, what
        for start, end, value, what in branch_sites(line, spans):
            yield path, number, start, end, value, what


def pick(files, seed, count):
    sites = [s for path in files for s in sites_of(path)]
    chosen = random.Random(seed).sample(sites, min(count, len(sites)))
    return [dict(zip(("file", "line", "start", "end", "text", "what"), s)) for s in chosen], len(sites)


def run(command):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def build(args):
    command = ["cmake", "--build", args.build, "-j", "2"]
    return run((["flock", args.lock] if args.lock else []) + command)


def failing_tests(args):
    """The names of the tests that fail; every test runs, so that the list says which ones catch a fault."""
    result = subprocess.run(["ctest", "--test-dir", args.build, "-j", "2", "--timeout", str(args.timeout)],
                            cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
    if result.returncode == 0:
        return []
    failed = re.findall(r"^\s*\d+ - (\S+) \(", result.stdout, re.M)
    return failed or ["(ctest failed)"]


def try_mutation(args, m):
    path = os.path.join(ROOT, m["file"])
    with open(path, "rb") as f:
        original = f.read()
    lines = original.decode("utf-8", "surrogateescape").split("\n")
    line = lines[m["line"] - 1]
    m["before"] = line.strip()
    lines[m["line"] - 1] = line[:m["start"]] + m["text"] + line[m["end"]:]
    m["after"] = lines[m["line"] - 1].strip()
    try:
        with open(path, "wb") as f:
            f.write("\n".join(lines).encode("utf-8", "surrogateescape"))
        if not build(args):
            return "no-compile"
        m["caught by"] = failing_tests(args)
        return "killed" if m["caught by"] else "SURVIVED"
    finally:
        with open(path, "wb") as f:
            f.write(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("files", nargs="*", help="sources to mutate (default: the Qt-free ones)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("-n", type=int, default=20, help="how many mutations")
    parser.add_argument("--build", default="build-noqt", help="a configured Qt-free build folder")
    parser.add_argument("--lock", default=os.environ.get("KV_BUILD_LOCK", "/tmp/kv-build.lock"),
                        help="file flock(1) holds around each build ('' for none)")
    parser.add_argument("--timeout", type=int, default=120, help="seconds per test")
    parser.add_argument("--save", help="write the picked mutations to this file")
    parser.add_argument("--replay", help="try the mutations saved in this file instead of picking")
    parser.add_argument("--results", help="append each outcome to this file as it comes (JSON lines)")
    parser.add_argument("--list", action="store_true", help="only print the picks")
    args = parser.parse_args()

    if args.replay:
        with open(args.replay, encoding="utf-8") as f:
            mutations = [json.loads(line) for line in f if line.strip()]
        print("%d mutations replayed from %s" % (len(mutations), args.replay))
    else:
        files = args.files or qt_free_sources(os.path.join(ROOT, args.build))
        mutations, total = pick(files, args.seed, args.n)
        print("%d mutations picked from %d sites in %d files (seed %d)"
              % (len(mutations), total, len(files), args.seed))
    if args.save:
        with open(args.save, "w", encoding="utf-8") as f:
            f.writelines(json.dumps(m) + "\n" for m in mutations)
    if args.list:
        for m in mutations:
            print("%s:%d  %s" % (m["file"], m["line"], m["what"]))
        return 0

    # A kill by the terminal or a job control must still put the file back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    if not build(args) or failing_tests(args):
        print("The unmutated build or its tests fail; fix that first.")
        return 2
    counts = {"killed": 0, "SURVIVED": 0, "no-compile": 0}
    survivors = []
    started = time.time()
    # A file put back is newer than its object, so the next build recompiles it.
    for i, m in enumerate(mutations, 1):
        outcome = try_mutation(args, m)
        counts[outcome] += 1
        print("[%d/%d] %-10s %s:%d  %s   | %s   %s" % (i, len(mutations), outcome, m["file"], m["line"], m["what"],
                                                   m["after"], " ".join(m.get("caught by", []))), flush=True)
        if outcome == "SURVIVED":
            survivors.append(m)
        if args.results:
            with open(args.results, "a", encoding="utf-8") as f:
                f.write(json.dumps(dict(m, outcome=outcome)) + "\n")
    tried = counts["killed"] + counts["SURVIVED"]
    print("\nkilled %d of %d compiling mutations (%.0f%%); %d did not compile; %.0f min"
          % (counts["killed"], tried, 100.0 * counts["killed"] / max(tried, 1), counts["no-compile"],
             (time.time() - started) / 60))
    for m in survivors:
        print("survivor %s:%d  %s\n    %s\n -> %s" % (m["file"], m["line"], m["what"], m["before"], m["after"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
