"""Bounded waits on a condition; nothing in the suite sleeps to decide a result."""

import subprocess
import time

_pumps = []


def add_pump(pump):
    """Something to run while waiting, such as the accessibility bus's event queue."""
    _pumps.append(pump)


def wait_for(condition, timeout=15, what="the condition"):
    """Polls until condition() gives a true value and returns it, or fails after timeout."""
    end = time.monotonic() + timeout
    while True:
        for pump in _pumps:
            pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out after %ss waiting for %s" % (timeout, what))
        time.sleep(0.02)


def end_processes(processes):
    """Ends each process still running, last started first: asked, then killed after 5 s."""
    for process in reversed(processes):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
