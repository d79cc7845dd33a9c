#!/usr/bin/env python3
"""Lists C++ files over 600 lines and functions over 80 lines.

A file or function in src/ or bench/ over its limit fails the run; tests/ is
only reported (pass --strict-tests to fail there too). The scan matches
braces after dropping comments and literals: rough, but it finds every
function body that starts at namespace or class level, lambdas counted in the
function that holds them.

Usage: tools/check-sizes.py [--strict-tests] [ROOT]   (default: the tree
above this script)
"""

import re
import sys
from pathlib import Path

MAX_FILE_LINES = 600
MAX_FUNCTION_LINES = 80
STRICT_FOLDERS = ("src", "bench")
WARN_FOLDERS = ("tests",)

_RAW = re.compile(r'R"([^(\s]*)\(.*?\)\1"', re.S)
_TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)


def _blank(match):
    # Keeps the newlines so that line numbers stay right.
    return re.sub(r"[^\n]", " ", match.group(0))


def strip_code(text):
    text = _RAW.sub(_blank, text)
    return _TOKEN.sub(_blank, text)


def _kind(head):
    """What a brace opened after `head` (the text since the last ; { or }) starts."""
    head = re.sub(r"^\s*#[^\n]*$", "", head, flags=re.M).strip()
    if re.search(r"\bnamespace\b", head) or head.startswith("extern"):
        return "scope"
    if "(" not in head:
        return "scope" if re.search(r"\b(class|struct|union)\b", head) else "other"
    if re.match(r"^(class|struct|union)\b", head) or re.search(r"\benum\b", head):
        return "scope" if not re.search(r"\benum\b", head) else "other"
    before_paren = head.split("(", 1)[0]
    if "=" in before_paren and "operator" not in before_paren:
        return "other"
    return "function"


def long_functions(text):
    """(first line, line count, name) of every function longer than the limit."""
    code = strip_code(text)
    found = []
    stack = []  # kinds of the open braces
    head_start = 0
    function_start = None
    for pos, char in enumerate(code):
        if char == "{":
            if all(kind == "scope" for kind in stack):
                kind = _kind(code[head_start:pos])
                if kind == "function":
                    function_start = (code.count("\n", 0, pos) + 1, code[head_start:pos])
            else:
                kind = "inner"
            stack.append(kind)
            head_start = pos + 1
        elif char == "}":
            kind = stack.pop() if stack else "scope"
            if kind == "function" and function_start:
                first, head = function_start
                last = code.count("\n", 0, pos) + 1
                if last - first + 1 > MAX_FUNCTION_LINES:
                    name = re.findall(r"([~\w:]+)\s*\(", head)
                    found.append((first, last - first + 1, name[0] if name else "?"))
                function_start = None
            head_start = pos + 1
        elif char == ";" and all(kind == "scope" for kind in stack):
            head_start = pos + 1
    return found


def check(root, folders):
    problems = []
    for folder in folders:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h") or not path.is_file():
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            name = path.relative_to(root)
            lines = text.count("\n")
            if lines > MAX_FILE_LINES:
                problems.append(f"{name}: {lines} lines (over {MAX_FILE_LINES})")
            for first, count, function in long_functions(text):
                problems.append(f"{name}:{first}: {function} has {count} lines (over {MAX_FUNCTION_LINES})")
    return problems


def main(argv):
    strict_tests = "--strict-tests" in argv
    args = [a for a in argv if a != "--strict-tests"]
    root = Path(args[0]) if args else Path(__file__).resolve().parent.parent
    failures = check(root, STRICT_FOLDERS + (WARN_FOLDERS if strict_tests else ()))
    warnings = [] if strict_tests else check(root, WARN_FOLDERS)
    for line in warnings:
        print("warning: " + line)
    for line in failures:
        print("error: " + line)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
