"""Orca, the screen reader a blind user has on a GNOME desktop, listening to the session:
speech goes through speech-dispatcher to its dummy module, and every utterance is read back
from Orca's debug log."""

import os
import pty
import re
import subprocess
import tempfile
import threading
import time
import tty

from wait import end_processes, wait_for

SPEECHD_CONF = """\
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
LanguageDefaultModule "en" "dummy"
AudioOutputMethod "alsa"
"""
# No sound card here: the sound goes nowhere.
ASOUNDRC = "pcm.!default {\n    type null\n}\n"

# Orca starts only when no other Orca of the same user runs, even one on another display
# and bus; suites side by side each have their own, so the check is answered "none".
NO_OTHER_ORCA = "#!/bin/sh\nexit 1\n"

# Each record of the debug log starts with a time; a record's further lines are indented.
_RECORD = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} - ")
_CONTINUED = " " * 18
# What Orca says, then its voice (Orca 43 writes no space before the voice, 46 one).
_UTTERANCE = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*\}|None)?$", re.S)
# The echo of a key pressed is the first utterance after this, within the same event.
_KEY_EVENT = "DEFAULT: Presenting keyboard event"
_EVENT_START = "HOST_APP: "


class ScreenReader:
    def __init__(self, desktop):
        self.desktop = desktop
        self._processes = []
        self._dir = None
        self._lines = []
        self._lock = threading.Lock()
        self._reader = None

    def start(self, timeout=30):
        try:
            return self._start(timeout)
        except BaseException:
            self.stop()
            raise

    def _start(self, timeout):
        self._dir = tempfile.TemporaryDirectory(prefix="kelt-e2e-orca-")
        root = self._dir.name
        runtime = os.path.join(root, "runtime")
        speechd = os.path.join(root, "speechd")
        prefs = os.path.join(root, "orca")
        stubs = os.path.join(root, "bin")
        for path in (runtime, speechd, prefs, stubs):
            os.makedirs(path)
        os.chmod(runtime, 0o700)
        with open(os.path.join(speechd, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF)
        with open(os.path.join(root, ".asoundrc"), "w") as f:
            f.write(ASOUNDRC)
        pgrep = os.path.join(stubs, "pgrep")
        with open(pgrep, "w") as f:
            f.write(NO_OTHER_ORCA)
        os.chmod(pgrep, 0o755)

        socket = os.path.join(runtime, "speechd.sock")
        env = dict(os.environ)
        env.update(self.desktop.env())
        env.update({"XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": os.path.join(root, "config"),
                    "XDG_DATA_HOME": os.path.join(root, "data"), "HOME": root,
                    "SPEECHD_ADDRESS": "unix_socket:" + socket, "LANG": "C.UTF-8",
                    "PATH": stubs + os.pathsep + env.get("PATH", "/usr/bin:/bin")})
        self._processes.append(subprocess.Popen(
            ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", speechd,
             "--communication-method", "unix_socket", "--socket-path", socket,
             "--pid-file", os.path.join(runtime, "speechd.pid"), "--log-dir", root],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(lambda: os.path.exists(socket), timeout, "speech-dispatcher's socket")

        # A terminal as the debug file: Orca's Python writes each line to it at once, where a
        # plain file would keep the last lines in its buffer.
        master, slave = pty.openpty()
        tty.setraw(slave)
        # Held open here too, so that the terminal lasts as long as the reader.
        self._terminal = (master, slave)
        # Kept where KELT_E2E_ORCA_LOG says, to read why a case failed.
        self._log = open(os.environ.get("KELT_E2E_ORCA_LOG") or
                         os.path.join(root, "orca-debug.log"), "w")
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self._output = os.path.join(root, "orca-output.log")
        with open(self._output, "wb") as output:
            self._processes.append(subprocess.Popen(
                ["orca", "--user-prefs", prefs, "--debug-file", os.ttyname(slave)],
                env=env, stdin=subprocess.DEVNULL, stdout=output, stderr=subprocess.STDOUT))
        wait_for(lambda: self._has("ORCA: Starting ATSPI registry.") or self._ended(), timeout,
                 "Orca to be ready")
        if self._ended():
            with open(self._output, errors="replace") as output:
                raise RuntimeError("Orca ended at start: " + output.read()[-2000:])
        return self

    def _ended(self):
        return self._processes[-1].poll() is not None

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self._terminal[0], 65536)
            except OSError:
                break
            if not chunk:
                break
            pending += chunk
            *lines, pending = pending.split(b"\n")
            with self._lock:
                for line in lines:
                    text = line.decode("utf-8", "replace")
                    self._lines.append(text)
                    self._log.write(text + "\n")
            self._log.flush()

    def _has(self, text):
        with self._lock:
            return any(text in line for line in self._lines)

    def mark(self):
        """A place in the log; speech() after it is what was said since."""
        with self._lock:
            return len(self._lines)

    def speech(self, since=0, keys=False):
        """The utterances since the mark, in order; the echo of keys pressed only when asked."""
        with self._lock:
            lines = self._lines[since:]
        records = []
        for line in lines:
            if _RECORD.match(line):
                records.append(line[_RECORD.match(line).end():])
            elif records and line.startswith(_CONTINUED):
                records[-1] += "\n" + line[len(_CONTINUED):]
        spoken = []
        echo_next = False
        for record in records:
            if record.startswith(_KEY_EVENT):
                echo_next = True
            elif record.startswith(_EVENT_START):
                echo_next = False
            match = _UTTERANCE.match(record)
            if not match:
                continue
            if echo_next:
                echo_next = False
                if keys:
                    spoken.append(match.group(1).strip())
                continue
            spoken.append(match.group(1))
        return spoken

    def wait_quiet(self, since, quiet=1.0, timeout=15):
        """Waits until Orca has said nothing new for quiet seconds; returns what it said."""
        last = [self.mark(), time.monotonic()]

        def settled():
            now = self.mark()
            if now != last[0]:
                last[:] = [now, time.monotonic()]
            return time.monotonic() - last[1] >= quiet

        wait_for(settled, timeout, "Orca to finish speaking")
        return self.speech(since)

    def debug_log(self, since=0):
        with self._lock:
            return "\n".join(self._lines[since:])

    def stop(self):
        end_processes(self._processes)
        self._processes = []
        if self._reader:
            for fd in self._terminal:
                os.close(fd)
            self._reader.join(5)
            self._reader = None
            self._log.close()
        if self._dir:
            self._dir.cleanup()
            self._dir = None
