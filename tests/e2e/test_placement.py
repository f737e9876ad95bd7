"""Where the windows open, as the window manager frames them."""

import a11y
from base import ProgramTest
from session import CAPTION

# Client areas in pixels at 96 dpi, from the windows' sizes in twips.
ABOUT = (423, 267)


class PlacementTest(ProgramTest):
    def only_window(self, run):
        windows = a11y.wait_for(lambda: self.x.windows(run.process.pid, CAPTION), 10,
                                "a window on screen")
        self.assertEqual(len(windows), 1)
        return windows[0]

    def test_windows_open_centred_on_the_screen_frame_and_all(self):
        run = self.start()
        main = self.only_window(run)
        a11y.wait_for(lambda: self.x.frame(main) != self.x.client(main), 10, "its frame")
        self.assertCentred(self.x.frame(main), "the birth-details window")

        self.x.type("x")
        self.x.key("Return")
        run.window_with("push button", "Back")
        result = a11y.wait_for(lambda: [w for w in self.x.windows(run.process.pid, CAPTION)
                                        if w != main], 10, "the result window on screen")[0]
        self.assertCentred(self.x.frame(result), "the result window")

        # Moved aside, the result window opens the about window: on the screen's centre all
        # the same, not on the window that opened it.
        self.x.move_window(result, 0, 0)
        self.x.key("alt+h", "a")
        about = a11y.wait_for(
            lambda: [w for w in self.x.windows(run.process.pid, CAPTION)
                     if self.x.client(w)[2:] == ABOUT], 10, "the about window")[0]
        self.assertCentred(self.x.frame(about), "the about window")
        self.x.key("Escape")
        a11y.wait_for(lambda: about not in self.x.windows(run.process.pid, CAPTION), 10,
                      "the about window to close")

        self.x.key("Escape")
        run.window_with("push button", "Refer A Friend Now")
        self.assertCentred(self.x.frame(self.only_window(run)), "the exit window")
        self.x.key("Return")
        self.assertEnds(run)
