#!/usr/bin/env python3
"""Drives the built program as a person would: under Xvfb with openbox, keys and clicks
through the X server, windows read through the AT-SPI accessibility bus and heard through
Orca, every address caught by a stand-in browser. Run inside its own D-Bus session
(dbus-run-session)."""

import argparse
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bus  # noqa: E402
from desktop import Desktop  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("-k", dest="pattern", help="run only cases whose name contains this")
    args = parser.parse_args()

    launcher = bus.start_accessibility_bus()
    desktop = Desktop().start()
    try:
        # The cases talk to the accessibility bus from import on, so load them only now.
        from base import ProgramTest
        ProgramTest.desktop = desktop
        ProgramTest.program = os.path.abspath(args.program)
        suite = unittest.defaultTestLoader.discover(HERE, pattern="test_*.py")
        if args.pattern:
            suite = unittest.TestSuite(t for t in _cases(suite) if args.pattern in t.id())
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    finally:
        desktop.stop()
        launcher.terminate()
        launcher.wait()
    return 0 if result.wasSuccessful() else 1


def _cases(suite):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from _cases(item)
        else:
            yield item


if __name__ == "__main__":
    sys.exit(main())
