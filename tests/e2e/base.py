"""What every end-to-end case shares: the desktop, the program and a user's folders."""

import unittest

from session import Folders, ProgramRun
from xwin import X


class ProgramTest(unittest.TestCase):
    # Set once for the whole run by run.py.
    desktop = None
    program = None

    def setUp(self):
        self.folders = self.new_folders()
        self.x = X(self.desktop.display)

    def new_folders(self):
        folders = Folders()
        self.addCleanup(folders.cleanup)
        return folders

    def start(self, folders=None, desktop=None, wait_for_window=True):
        run = ProgramRun(self.program, desktop or self.desktop, folders or self.folders)
        self.addCleanup(run.stop)
        return run.start(wait_for_window)

    def assertEnds(self, run, status=0):
        """The program ends by itself with this status; if not, what it printed says why."""
        self.assertEqual(run.wait_exit(), status, run.output()[-4000:])

    def assertCentred(self, frame, what):
        """The rectangle's centre lies on the screen's centre, to the pixel."""
        from desktop import SCREEN
        x, y, w, h = frame
        self.assertLessEqual(abs(2 * x + w - SCREEN[0]), 2, "%s is not centred across: %s"
                             % (what, frame))
        self.assertLessEqual(abs(2 * y + h - SCREEN[1]), 2, "%s is not centred down: %s"
                             % (what, frame))
