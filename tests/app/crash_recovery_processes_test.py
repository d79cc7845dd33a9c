#!/usr/bin/env python3
"""kill -9 after a change of each kind, and the next start restores it.

For each kind of change a real `korvalen` makes it on a copy of the sample
list and saves: that file is the one to reach. Another copy gets the same
keys, and once the recovery journal holds the change the process is killed
with SIGKILL. The next start, given no list, opens the list that was open,
offers the journal, restores it (Enter) and saves: the file must equal the
clean run's byte for byte, and differ from the list before the change.

usage: xvfb-run -a python3 crash_recovery_processes_test.py KORVALEN SAMPLE-HOME
"""

import os
import sys

from desktop_session import Desktop, Korvalen, journal_steps, lock_path, wait_for

# Keys from the first cell of the first row, and the steps the journal gets.
EDIT = ["Down", "type:Zed", "Return"]
CHANGES = {
    "cell edit": (EDIT, ["edit of 1 cell"]),
    "add": (["ctrl+a"], ["add of 1 bootleg"]),
    "delete": (["Down", "Down", "ctrl+d"], ["delete of 1 bootleg"]),
    "paste": (["Right", "Right", "Down", "ctrl+c", "Down", "Down", "Down", "ctrl+v"], ["paste"]),
    "sort": (["alt+l", "Down", "Down", "Down", "Down", "Return"], ["sort Z-A"]),
    "undo and redo": (EDIT + ["ctrl+z", "ctrl+y"], ["edit of 1 cell", "undo of edit of 1 cell", "edit of 1 cell"]),
}
# And all of them in one run, in an order where each still changes something.
ORDER = ["paste", "cell edit", "add", "delete", "sort", "undo and redo"]
CHANGES["every kind"] = tuple(sum((CHANGES[kind][i] for kind in ORDER), []) for i in (0, 1))


def read(path):
    with open(path, "rb") as f:
        return f.read()


def save_and_close(program, path, before):
    program.keys("ctrl+s")
    wait_for("the save", lambda: read(path) != before)
    program.close()


def run(desktop, kind, keys, steps):
    clean = desktop.list_copy("clean.kvu")
    before = read(clean)
    program = Korvalen(desktop, clean)
    program.wait_ready()
    program.keys(*keys)
    save_and_close(program, clean, before)
    wanted = read(clean)

    crashed = desktop.list_copy("crashed.kvu")
    program = Korvalen(desktop, crashed)
    program.wait_ready()
    program.keys(*keys)
    wait_for(kind + " in the journal", lambda: [steps] == list(map(journal_steps, desktop.recovery())))
    program.kill()
    assert read(crashed) == before, kind + ": the list file was touched before the save"

    program = Korvalen(desktop)
    program.answer("Confirmation")  # restore the unsaved changes
    program.wait_ready()
    assert program.title().startswith("Crashed*"), program.title()  # unsaved
    save_and_close(program, crashed, before)
    assert not os.path.exists(lock_path(crashed)), kind + ": the lock stayed"
    assert not desktop.recovery(), kind + ": a journal stayed"
    return read(crashed) == wanted


def main():
    desktop = Desktop(sys.argv[1], sys.argv[2])
    failed = []
    try:
        for kind, (keys, steps) in CHANGES.items():
            if not run(desktop, kind, keys, steps):
                failed.append(kind)
            print(kind + (": restored" if kind not in failed else ": NOT the same file"))
            for name in ("clean.kvu", "crashed.kvu"):
                os.remove(os.path.join(desktop.home, "Lists", name))
    finally:
        desktop.close()
    print("%d passed, %d failed" % (len(CHANGES) - len(failed), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
