"""Real `korvalen` processes on a display of their own, driven by keys.

Run under xvfb-run: a window manager is started so that the window with
the focus gets the keys xdotool sends. Every wait polls for a state (a
window, a file) within a time limit; nothing waits a fixed time for
something to have happened.
"""

import os
import re
import shutil
import signal
import struct
import subprocess
import tempfile
import time

LIMIT = 20.0


def wait_for(what, test, limit=LIMIT):
    end = time.monotonic() + limit
    while True:
        value = test()
        if value:
            return value
        if time.monotonic() > end:
            shown = [window_name(w) for w in xdotool("search", "--onlyvisible", "--name", ".")]
            raise AssertionError("gave up waiting for %s; windows shown: %s" % (what, shown))
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def window_name(window):
    result = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True)
    return result.stdout.strip()


def lock_path(list_path):
    folder, name = os.path.split(list_path)
    return os.path.join(folder, "." + name + ".lock")


def journal_steps(path):
    """The names of the whole entries of a recovery journal, in order."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return []
    if len(data) < 16 or data[:8] != b"KVJOURNL":
        return []
    at = 16 + struct.unpack_from("<I", data, 12)[0] + 4
    names = []
    while at + 8 <= len(data):
        length = struct.unpack_from("<I", data, at)[0]
        if at + 8 + length > len(data):
            break
        size = struct.unpack_from("<I", data, at + 16)[0]
        names.append(data[at + 20:at + 20 + size].decode("utf-8", "replace"))
        at += 8 + length
    return names


class Desktop:
    """A window manager on the display, and a home for the program."""

    def __init__(self, program, sample_home):
        self.program = program
        self.root = tempfile.mkdtemp(prefix="korvalen-processes-")
        self.home = os.path.join(self.root, "kv")
        shutil.copytree(sample_home, self.home)
        user = os.path.join(self.root, "user")
        self.env = dict(os.environ, HOME=user, XDG_CONFIG_HOME=os.path.join(user, "config"),
                        XDG_STATE_HOME=os.path.join(user, "state"), XDG_DATA_HOME=os.path.join(user, "data"),
                        LC_ALL="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.manager = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        wait_for("the window manager", lambda: subprocess.run(
            ["wmctrl", "-m"], capture_output=True, env=self.env).returncode == 0)

    def list_copy(self, name):
        path = os.path.join(self.home, "Lists", name)
        shutil.copyfile(os.path.join(self.home, "Lists", "Sample list.kvu"), path)
        return path

    def recovery(self):
        folder = os.path.join(self.home, "Recovery")
        return [os.path.join(folder, n) for n in os.listdir(folder) if n.endswith(".kvj")] \
            if os.path.isdir(folder) else []

    def close(self):
        self.manager.terminate()
        self.manager.wait()
        shutil.rmtree(self.root, ignore_errors=True)


class Korvalen:
    """One running program; `lists` are opened at its start."""

    def __init__(self, desktop, *lists):
        self.process = subprocess.Popen([desktop.program, "--home", desktop.home, *lists], env=desktop.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pid = self.process.pid
        self.main = wait_for("the main window", lambda: next(
            (w for w in self.windows() if re.search(r"(^| - )Korvalen v\d", window_name(w))), None))

    def windows(self):
        return xdotool("search", "--all", "--onlyvisible", "--pid", str(self.pid), "--name", ".")

    def title(self):
        return window_name(self.main)

    def wait_ready(self):
        """Until the main window shows a list, alone (the about box has gone) and focused."""
        def ready():
            if self.windows() != [self.main] or " - Korvalen v" not in self.title():
                return False
            xdotool("windowactivate", "--sync", self.main)
            return xdotool("getactivewindow") == [self.main]
        wait_for("the main window alone", ready)

    def answer(self, caption, key="Return"):
        """Answers the box named `caption` (any box for "") with `key`."""
        box = wait_for("the box " + caption, lambda: next(
            (w for w in self.windows() if w != self.main and caption in window_name(w)), None))

        def focused():
            # A box of a program in the background may open without the focus.
            if xdotool("getactivewindow") == [box]:
                return True
            xdotool("windowactivate", box)
            return False
        wait_for("the box " + caption + " to have the focus", focused)
        xdotool("key", key)
        wait_for("the box " + caption + " to go", lambda: box not in self.windows())

    def keys(self, *keys):
        """Sends the keys; "type:TEXT" types TEXT, "wait:NAME" waits for the window NAME to have the
        focus, "ready" for the main window to be alone and have it, "close:NAME" presses Return until
        the window NAME has gone."""
        for key in keys:
            if key == "ready":
                self.wait_ready()
            elif key.startswith("type:"):
                xdotool("type", "--delay", "20", key[5:])
            elif key.startswith("close:"):
                self.press_until_gone(key[6:])
            elif key.startswith("wait:"):
                wait_for("the window " + key[5:] + " to have the focus",
                         lambda: [window_name(w) for w in xdotool("getactivewindow")] == [key[5:]])
            else:
                xdotool("key", key)

    def press_until_gone(self, name, key="Return"):
        # A key sent the moment a modal box goes can reach the window before
        # Qt has left the box's loop, and is dropped; it is sent again then.
        def gone():
            return all(window_name(w) != name for w in self.windows())
        for _ in range(4):
            xdotool("key", key)
            try:
                wait_for("the window " + name + " to go", gone, limit=5.0)
                return
            except AssertionError:
                pass
        wait_for("the window " + name + " to go", gone)

    def close(self, unsaved_answer=None, limit=LIMIT):
        """Closes the window; `unsaved_answer` is the key for "Save changes?"."""
        subprocess.run(["wmctrl", "-i", "-c", self.main])
        if unsaved_answer:
            self.answer("Confirmation", unsaved_answer)
        self.process.wait(limit)

    def kill(self):
        os.kill(self.pid, signal.SIGKILL)
        self.process.wait()
