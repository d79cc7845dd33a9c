#!/usr/bin/env python3
"""kill -9 after a change of each kind, and the next start restores it.

For each kind of change a real `korvalen` makes it on a copy of the sample
list and saves: that file is the one to reach. Another copy gets the same
keys, and once the recovery journal holds the change the process is killed
with SIGKILL. The next start, given no list, opens the list that was open,
offers the journal, restores it (Enter) and saves: the file must equal the
clean run's byte for byte, and differ from the list before the change. A
join makes a new list, which both runs save under a name of their own.

usage: xvfb-run -a python3 crash_recovery_processes_test.py KORVALEN SAMPLE-HOME
"""

import os
import struct
import sys

from desktop_session import Desktop, Korvalen, journal_steps, lock_path, wait_for

# Keys from the first cell of the first row, and the steps the journal gets.
EDIT = ["Down", "type:Zed", "Return"]
# The cover cell of the second row, from wherever the cursor is; the information cell is the next.
COVER = ["ctrl+Home", "Down"] + ["Right"] * 10
PICTURE = "front.bmp"  # in the covers folder, where the file dialog starts
CHANGES = {
    "cell edit": (EDIT, ["edit of 1 cell"]),
    "add": (["ctrl+a"], ["add of 1 bootleg"]),
    "delete": (["Down", "Down", "ctrl+d"], ["delete of 1 bootleg"]),
    "paste": (["Right", "Right", "Down", "ctrl+c", "Down", "Down", "Down", "ctrl+v"], ["paste"]),
    "sort": (["alt+l", "Down", "Down", "Down", "Down", "Return"], ["sort Z-A"]),
    "undo and redo": (EDIT + ["ctrl+z", "ctrl+y"], ["edit of 1 cell", "undo of edit of 1 cell", "edit of 1 cell"]),
    "cover": (COVER + ["Return", "wait:Cover", "ctrl+f", "wait:Korvalen", "type:" + PICTURE, "Return", "wait:Cover",
                       "close:Cover", "ready"], ["edit of 1 cell"]),
    "info": (COVER + ["Right", "Return", "wait:Bootleg information", "type:Seen it. ", "ctrl+k", "ready"],
             ["edit of 1 cell"]),
}
# And all of these in one run, in an order where each still changes something.
ORDER = ["paste", "cell edit", "add", "delete", "sort", "undo and redo", "cover", "info"]
CHANGES["every kind"] = tuple(sum((CHANGES[kind][i] for kind in ORDER), []) for i in (0, 1))
# A join of the list makes a new one, which is saved under a name of its own.
CHANGES["join"] = (["F6", "wait:Functions", "space", "Tab", "Tab", "Tab", "space"], ["join"])
SAVED_AS = {"join": " join"}

# A picture of one orange pixel.
BMP = b"BM" + struct.pack("<IHHI", 58, 0, 0, 54) + struct.pack("<IiiHHIIiiII", 40, 1, 1, 1, 24, 0, 4, 0, 0, 0, 0) \
    + b"\x00\x80\xff\x00"


def read(path):
    """The file's bytes, or None when there is none."""
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def save_and_close(program, path, before, new_name):
    program.wait_ready()
    program.keys("ctrl+s")
    if new_name:
        program.keys("wait:Save list", "type:" + new_name, "Return")
    wait_for("the save", lambda: read(path) not in (None, before))
    program.close()


def run(desktop, kind, keys, steps):
    new_name = SAVED_AS.get(kind)
    clean = desktop.list_copy("clean.kvu")
    before = read(clean)
    saved = clean[:-4] + new_name + ".kvu" if new_name else clean
    program = Korvalen(desktop, clean)
    program.wait_ready()
    program.keys(*keys)
    save_and_close(program, saved, None if new_name else before, new_name and os.path.basename(saved))
    wanted = read(saved)

    crashed = desktop.list_copy("crashed.kvu")
    saved = crashed[:-4] + new_name + ".kvu" if new_name else crashed
    program = Korvalen(desktop, crashed)
    program.wait_ready()
    program.keys(*keys)
    wait_for(kind + " in the journal", lambda: [steps] == list(map(journal_steps, desktop.recovery())))
    program.kill()
    assert read(crashed) == before and (not new_name or read(saved) is None), kind + ": a file was touched"

    program = Korvalen(desktop)
    program.answer("Confirmation")  # restore the unsaved changes
    program.wait_ready()
    unsaved = "Untitled*" if new_name else "Crashed*"
    assert program.title().startswith(unsaved), program.title()
    save_and_close(program, saved, None if new_name else before, new_name and os.path.basename(saved))
    for path in {crashed, saved}:
        assert not os.path.exists(lock_path(path)), kind + ": the lock stayed"
    assert not desktop.recovery(), kind + ": a journal stayed"
    assert saved == crashed or read(crashed) == before, kind + ": the joined list was written"
    return read(saved) == wanted


def main():
    desktop = Desktop(sys.argv[1], sys.argv[2])
    with open(os.path.join(desktop.home, "Covers", PICTURE), "wb") as f:
        f.write(BMP)
    failed = []
    try:
        for kind, (keys, steps) in CHANGES.items():
            if not run(desktop, kind, keys, steps):
                failed.append(kind)
            print(kind + (": restored" if kind not in failed else ": NOT the same file"))
            for name in ("clean", "crashed"):
                for suffix in {"", SAVED_AS.get(kind, "")}:
                    os.remove(os.path.join(desktop.home, "Lists", name + suffix + ".kvu"))
    finally:
        desktop.close()
    print("%d passed, %d failed" % (len(CHANGES) - len(failed), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
