"""The accessibility bus of the session, with assistive technology switched on."""

import os
import subprocess
import tempfile

from wait import wait_for

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def _dbus(*args):
    return subprocess.run(["dbus-send", "--session", "--print-reply"] + list(args),
                          capture_output=True, text=True)


def start_accessibility_bus():
    """Starts the bus launcher and tells applications, as a screen reader does, that
    assistive technology is listening. Returns the launcher's process."""
    # The launcher puts the bus's socket in XDG_RUNTIME_DIR, else at one fixed path under the
    # home folder: a second suite on the machine would take that over, and the programs
    # started here would register on the other suite's bus.
    runtime = tempfile.TemporaryDirectory(prefix="kelt-e2e-a11y-")
    launcher = subprocess.Popen([LAUNCHER], env=dict(os.environ, XDG_RUNTIME_DIR=runtime.name),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    launcher.runtime = runtime

    def owned():
        reply = _dbus("--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                      "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus")
        return "boolean true" in reply.stdout

    wait_for(owned, 15, "the accessibility bus")
    reply = _dbus("--dest=org.a11y.Bus", "/org/a11y/bus",
                  "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                  "string:IsEnabled", "variant:boolean:true")
    if reply.returncode != 0:
        raise RuntimeError("could not enable accessibility: " + reply.stderr)
    return launcher
