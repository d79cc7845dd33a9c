#!/usr/bin/env python3
"""Two real `korvalen` processes on one list.

A opens the list and holds its lock. B, opening the same file, is asked
and by default (Enter) opens it read-only: its title says so, its Save
asks for another name, and the list file and A's lock stay as they were.
A's save is then told to B at once, and is not B's to overwrite. When A
exits cleanly the lock is gone.

usage: xvfb-run -a python3 list_lock_processes_test.py KORVALEN SAMPLE-HOME
"""

import os
import sys

from desktop_session import Desktop, Korvalen, lock_path, wait_for


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    desktop = Desktop(sys.argv[1], sys.argv[2])
    checks = []

    def check(what, ok):
        checks.append(ok)
        print(("ok: " if ok else "FAILED: ") + what)

    try:
        path = desktop.list_copy("Shared.kvu")
        before = read(path)
        a = Korvalen(desktop, path)
        a.wait_ready()
        lock = read(lock_path(path))
        check("A holds the lock", ("pid %d\n" % a.pid).encode() in lock)

        b = Korvalen(desktop, path)
        b.answer("Confirmation")  # the default: read-only
        b.wait_ready()
        check("B says read-only", "(read-only)" in b.title())
        b.keys("Down", "type:Mine", "Return", "ctrl+s")
        b.answer("", "Escape")  # only under another name, and that is cancelled
        check("B's save wrote nothing", read(path) == before)
        check("A's lock stays", read(lock_path(path)) == lock)

        a.wait_ready()
        a.keys("Down", "Down", "type:Theirs", "Return", "ctrl+s")
        wait_for("A's save", lambda: read(path) != before)
        saved = read(path)
        b.answer("Warning")  # B, edited, is told at once that the file changed
        a.close()
        check("A's clean exit took the lock", not os.path.exists(lock_path(path)))

        b.close("n")  # do not save
        check("B's exit left A's save", read(path) == saved)
        check("B's exit made no lock", not os.path.exists(lock_path(path)))
    finally:
        desktop.close()
    print("%d passed, %d failed" % (checks.count(True), checks.count(False)))
    return 0 if all(checks) else 1


if __name__ == "__main__":
    sys.exit(main())
