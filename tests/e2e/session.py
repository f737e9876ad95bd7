"""One run of the real program with its own settings, runtime folder and stand-in browser."""

import datetime
import os
import shutil
import subprocess
import tempfile

import a11y
from wait import wait_for

CAPTION = "Kelt Descendant Astrology v1.15"
TITLE = "Kelt Descendant Astrology"
PROGRAM_NAME = "KeltFreeDescendantAstrology"

# Stands in for the desktop's browser: Qt hands every address to the first xdg-open on PATH.
BROWSER = """#!/bin/sh
printf '%s\\n' "$1" >> "$KELT_E2E_OPENED"
"""


def _cp1252(code):
    # The five codes Windows-1252 leaves undefined stand for the control characters.
    try:
        return bytes([code]).decode("cp1252")
    except UnicodeDecodeError:
        return chr(code)


def scramble(text):
    """The stored form of a setting: each Windows-1252 code plus 85."""
    return "".join(_cp1252(b + 85) for b in text.encode("cp1252") if b + 85 <= 255)


def ini_key(text):
    """A key as Qt writes it to an INI file."""
    out = ""
    for ch in text:
        if ch.isascii() and (ch.isalnum() or ch in "_-."):
            out += ch
        elif ord(ch) <= 0xFF:
            out += "%%%02X" % ord(ch)
        else:
            out += "%%U%04X" % ord(ch)
    return out


class Folders:
    """The settings and runtime folders of one user; several runs may share them."""

    def __init__(self):
        self._dir = tempfile.TemporaryDirectory(prefix="kelt-e2e-")
        self.root = self._dir.name
        self.config = os.path.join(self.root, "config")
        self.runtime = os.path.join(self.root, "runtime")
        self.cache = os.path.join(self.root, "cache")
        self.bin = os.path.join(self.root, "bin")
        self.opened_log = os.path.join(self.root, "opened.log")
        for path in (self.config, self.runtime, self.bin):
            os.makedirs(path)
        os.chmod(self.runtime, 0o700)
        browser = os.path.join(self.bin, "xdg-open")
        with open(browser, "w") as f:
            f.write(BROWSER)
        os.chmod(browser, 0o755)

    @property
    def settings_file(self):
        return os.path.join(self.config, "SarvelSoftwares", PROGRAM_NAME + ".ini")

    def store_reminder_date(self, date):
        os.makedirs(os.path.dirname(self.settings_file), exist_ok=True)
        with open(self.settings_file, "w", encoding="utf-8") as f:
            f.write("[Settings]\n%s=%s\n" % (ini_key(scramble("Duration")),
                                             scramble(date.isoformat())))

    def settings_text(self):
        try:
            with open(self.settings_file, encoding="utf-8") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def opened(self):
        """Every address handed to the desktop so far, once no stand-in browser still runs."""
        wait_for(lambda: not self._browser_running(), 15, "the stand-in browser to finish")
        try:
            with open(self.opened_log) as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def _browser_running(self):
        out = subprocess.run(["pgrep", "-f", os.path.join(self.bin, "xdg-open")],
                             capture_output=True, text=True).stdout
        return bool(out.strip())

    def cleanup(self):
        self._dir.cleanup()


class ProgramRun:
    def __init__(self, program, desktop, folders):
        self.program = program
        self.desktop = desktop
        self.folders = folders
        self.process = None
        self.app = None

    def start(self, wait_for_window=True):
        env = dict(os.environ)
        env.update(self.desktop.env())
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "XDG_CONFIG_HOME": self.folders.config,
            "XDG_RUNTIME_DIR": self.folders.runtime,
            "XDG_CACHE_HOME": self.folders.cache,
            "PATH": self.folders.bin + os.pathsep + env.get("PATH", "/usr/bin:/bin"),
            "KELT_E2E_OPENED": self.folders.opened_log,
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        })
        env.pop("QT_LOGGING_RULES", None)
        self.log = os.path.join(self.folders.root, "output-%d.log" % id(self))
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([self.program], env=env,
                                            stdout=log, stderr=subprocess.STDOUT)
        self.app = a11y.application(self.process.pid)
        if wait_for_window:
            # Keys go where the X focus is: wait until the window has it.
            self.window(CAPTION, lambda w: "active" in a11y.states(w))
        return self

    def windows(self, name=CAPTION):
        """The program's showing top-level windows with this title."""
        self.app.clear_cache()
        found = []
        for window in self.app:
            try:
                if window is not None and window.name == name and a11y.showing(window):
                    found.append(window)
            except Exception:
                continue
        return found

    def window(self, name=CAPTION, predicate=lambda w: True, timeout=15):
        return wait_for(lambda: next((w for w in self.windows(name) if predicate(w)), None),
                        timeout, "a window titled %r" % name)

    def window_with(self, role_name, name, timeout=15):
        """The showing top-level window that holds a showing node of this role and name."""
        return self.window(CAPTION, lambda w: a11y.find_all(w, role_name, name), timeout)

    def message(self, timeout=15):
        """The open message box: its window and the texts of its labels."""
        box = self.window(TITLE, timeout=timeout)
        labels = [n.name for n in a11y.find_all(box, "label") if n.name]
        return box, labels

    def output(self):
        """What the program wrote to its terminal so far."""
        with open(self.log, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=15):
        wait_for(lambda: not self.running(), timeout, "the program to end")
        return self.process.returncode

    def stop(self):
        if self.process and self.running():
            self.process.kill()
            self.process.wait()


def today():
    return datetime.date.today()
