#!/usr/bin/env python3
"""Plants single-line faults in the Qt-free code and tells which ones no test catches.

Each mutation (a flipped comparison, an off-by-one, a dropped branch, a swapped
return value) is written into its file, the Qt-free build is rebuilt and its
tests run; a mutation the tests let pass is a survivor. The file is always put
back, also on Ctrl+C or an error. The picks depend only on --seed, -n and the
content of the files, so a later run with the same seed tries the same faults
(--save and --replay keep the list in a file as well). A replay finds each
line where it stands now, when code above it has moved.

    tools/mutate.py --seed 37 -n 40 [--build build-noqt] [--skip REGEX] [--save F | --replay F] [files...]

Each outcome names the test programs and the test cases that caught it, so a
test that catches nothing no other test catches can be told apart. Widget
code is mutated the same way with --build build and its files named; --skip
then leaves out the slow process tests.
"""

import argparse
import concurrent.futures
import contextlib
import fcntl
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
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
                    yield path, number, m.start(), m.end(), replacement, what, line
        for start, end, value, what in branch_sites(line, spans):
            yield path, number, start, end, value, what, line


def pick(files, seed, count):
    sites = [s for path in files for s in sites_of(path)]
    chosen = random.Random(seed).sample(sites, min(count, len(sites)))
    return [dict(zip(("file", "line", "start", "end", "text", "what", "site"), s)) for s in chosen], len(sites)


def build(build_dir):
    # A session of its own, so that stopping the run also stops the compilers under cmake.
    process = subprocess.Popen(["cmake", "--build", build_dir, "-j", "2"], cwd=ROOT, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return process.wait() == 0
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise


@contextlib.contextmanager
def build_lock(path):
    """flock(1)'s lock, held around building only."""
    if not path:
        yield
        return
    with open(path, "a") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        yield


def line_now(m, lines):
    """Where the mutation's line stands now, the nearest match when code above it
    moved since it was saved; None when it is gone."""
    site = m.get("site")
    if site is None or (m["line"] <= len(lines) and lines[m["line"] - 1] == site):
        return m["line"]
    found = [number for number, line in enumerate(lines, 1) if line == site]
    return min(found, key=lambda number: abs(number - m["line"])) if found else None


@contextlib.contextmanager
def mutated(m):
    """The mutation written into its file (True), and the file put back whatever
    happens; False when its line is no longer in the file."""
    path = os.path.join(ROOT, m["file"])
    with open(path, "rb") as f:
        original = f.read()
    lines = original.decode("utf-8", "surrogateescape").split("\n")
    number = line_now(m, lines)
    if number is None:
        yield False
        return
    m["line"] = number
    line = lines[m["line"] - 1]
    m["before"] = line.strip()
    lines[m["line"] - 1] = line[:m["start"]] + m["text"] + line[m["end"]:]
    m["after"] = lines[m["line"] - 1].strip()
    try:
        with open(path, "wb") as f:
            f.write("\n".join(lines).encode("utf-8", "surrogateescape"))
        yield True
    finally:
        with open(path, "wb") as f:
            f.write(original)


def test_commands(build_dir):
    """(name, command, environment, folder) of every test, as ctest would run it."""
    listing = subprocess.run(["ctest", "--test-dir", build_dir, "--show-only=json-v1"], cwd=ROOT,
                             stdout=subprocess.PIPE, check=True, text=True).stdout
    tests = []
    for t in json.loads(listing)["tests"]:
        props = {p["name"]: p["value"] for p in t.get("properties", [])}
        env = dict(os.environ, **dict(e.split("=", 1) for e in props.get("ENVIRONMENT", [])))
        tests.append((t["name"], t["command"], env, props.get("WORKING_DIRECTORY", ROOT)))
    return tests


def failing_tests(args, programs):
    """The names of the tests that fail with the test programs in `programs`; all of them run,
    so that the list says which tests catch a fault."""
    built = os.path.join(args.build_dir, "bin")

    def fails(test):
        """None when the test passes, else the test cases that failed (empty when it could not tell)."""
        name, command, env, folder = test
        command = [part.replace(built, programs) for part in command]
        try:
            result = subprocess.run(command, cwd=folder, env=env, stdout=subprocess.PIPE,
                                    stderr=subprocess.DEVNULL, timeout=args.timeout)
        except subprocess.TimeoutExpired:
            return []
        if result.returncode == 0:
            return None
        cases = re.findall(rb"^\[  FAILED  \] ([A-Za-z][^\s,]*)", result.stdout, re.M)
        return sorted({c.decode("utf-8", "replace") for c in cases})

    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        results = list(pool.map(fails, args.tests))
    return {t[0]: cases for t, cases in zip(args.tests, results) if cases is not None}


def build_batch(args, batch, store):
    """Builds each mutation of the batch and keeps its test programs aside (under the lock)."""
    for m in batch:
        with mutated(m) as planted:
            if not planted:
                m["outcome"] = "gone"
                continue
            m["programs"] = os.path.join(store, str(m["index"]))
            if build(args.build_dir):
                shutil.copytree(os.path.join(args.build_dir, "bin"), m["programs"])
            else:
                m["outcome"] = "no-compile"


def test_batch(args, batch):
    """Runs the tests of each built mutation (with the lock given back)."""
    for m in batch:
        if "outcome" not in m:
            failed = failing_tests(args, m["programs"])
            m["caught by"] = sorted(failed)
            m["cases"] = sorted({case for cases in failed.values() for case in cases})
            m["outcome"] = "killed" if m["caught by"] else "SURVIVED"
            shutil.rmtree(m.pop("programs"), ignore_errors=True)
        yield m


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
    parser.add_argument("--batch", type=int, default=8,
                        help="mutations built under one hold of the lock, their tests run after it")
    parser.add_argument("--results", help="append each outcome to this file as it comes (JSON lines)")
    parser.add_argument("--list", action="store_true", help="only print the picks")
    parser.add_argument("--skip", help="leave out the tests whose names match this pattern (slow ones that "
                        "cannot see the mutated files)")
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
    args.build_dir = os.path.join(ROOT, args.build)
    counts = {"killed": 0, "SURVIVED": 0, "no-compile": 0, "gone": 0}
    survivors = []
    started = time.time()
    # A file put back is newer than its object, so the next build recompiles it.
    with tempfile.TemporaryDirectory(prefix="mutate-") as store:
        unmutated = os.path.join(store, "unmutated")
        for first in range(0, len(mutations), args.batch):
            batch = [dict(m, index=i) for i, m in enumerate(mutations[first:first + args.batch], first + 1)]
            with build_lock(args.lock):
                if first == 0 and build(args.build_dir):
                    shutil.copytree(os.path.join(args.build_dir, "bin"), unmutated)
                build_batch(args, batch, store)
            if first == 0:
                args.tests = [t for t in test_commands(args.build_dir)
                              if not (args.skip and re.search(args.skip, t[0]))]
                failing = failing_tests(args, unmutated) if os.path.isdir(unmutated) else ["the build"]
                if failing:
                    print("Without a mutation these fail; fix them first:", " ".join(failing))
                    return 2
            for m in test_batch(args, batch):
                counts[m["outcome"]] += 1
                print("[%d/%d] %-10s %s:%d  %s   | %s   %s" % (m["index"], len(mutations), m["outcome"], m["file"],
                                                           m["line"], m["what"], m.get("after", ""),
                                                           " ".join(m.get("caught by", []))), flush=True)
                if m["outcome"] == "SURVIVED":
                    survivors.append(m)
                if args.results:
                    with open(args.results, "a", encoding="utf-8") as f:
                        f.write(json.dumps(m) + "\n")
    tried = counts["killed"] + counts["SURVIVED"]
    print("\nkilled %d of %d compiling mutations (%.0f%%); %d did not compile; %d no longer in the code; %.0f min"
          % (counts["killed"], tried, 100.0 * counts["killed"] / max(tried, 1), counts["no-compile"],
             counts["gone"], (time.time() - started) / 60))
    for m in survivors:
        print("survivor %s:%d  %s\n    %s\n -> %s" % (m["file"], m["line"], m["what"], m["before"], m["after"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
