"""An X server, optionally with a window manager, for driving the real program."""

import os
import select
import subprocess
import tempfile

from wait import end_processes, wait_for

SCREEN = (1280, 1024)


class Desktop:
    def __init__(self, window_manager=True):
        self.window_manager = window_manager
        self.display = None
        self._processes = []
        self._home = None

    def env(self):
        return {"DISPLAY": self.display}

    def start(self):
        read_end, write_end = os.pipe()
        # Xvfb picks a free display number itself and writes it to the pipe.
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % SCREEN, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._processes.append(xvfb)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb", buffering=0) as pipe:
            while not number.endswith(b"\n"):
                ready, _, _ = select.select([pipe], [], [], 15)
                if not ready:
                    raise RuntimeError("Xvfb did not start")
                chunk = pipe.read(16)
                if not chunk:
                    raise RuntimeError("Xvfb ended at start")
                number += chunk
        self.display = ":" + number.decode().strip()
        if self.window_manager:
            self._home = tempfile.TemporaryDirectory(prefix="kelt-e2e-wm-")
            env = dict(os.environ, DISPLAY=self.display, XDG_CONFIG_HOME=self._home.name)
            self._processes.append(subprocess.Popen(
                ["openbox", "--sm-disable"], env=env,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            wait_for(self._wm_running, 15, "openbox to manage the screen")
        return self

    def _wm_running(self):
        out = subprocess.run(["xprop", "-root", "-display", self.display,
                              "_NET_SUPPORTING_WM_CHECK"],
                             capture_output=True, text=True).stdout
        return "window id" in out

    def stop(self):
        end_processes(self._processes)
        self._processes = []
        if self._home:
            self._home.cleanup()
            self._home = None
