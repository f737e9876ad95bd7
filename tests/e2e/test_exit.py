"""The way out: every route to the exit window, its check box and refer-a-friend."""

import time
import urllib.parse

import a11y
from base import ProgramTest
from desktop import Desktop
from session import CAPTION

SCRIPT = "http://www.sarvelsoftwares.com/kelt-free-descendant-astrology/ssd.php"
FOLDER = "http://www.sarvelsoftwares.com/kelt-free-descendant-astrology/"


class ExitTest(ProgramTest):
    def make_reading(self, run):
        a11y.find(run.window(), "text", "Name")
        self.x.type("x")
        self.x.key("Return")
        return run.window_with("push button", "Back")

    def exit_window(self, run):
        return run.window_with("push button", "Refer A Friend Now")

    def exit_x_window(self, run):
        windows = self.x.windows(run.process.pid, CAPTION)
        self.assertEqual(len(windows), 1, "only the exit window shows")
        return windows[0]

    def assert_in_front(self, run, exit_window):
        """On top, active and with the focus on Exit, so that keys reach it at once."""
        exit_button = a11y.find(exit_window, "push button", "Exit")
        a11y.wait_for(lambda: "focused" in a11y.states(exit_button), 10, "Exit's focus")
        self.assertIn("active", a11y.states(exit_window))
        window = a11y.wait_for(lambda: self.x.windows(run.process.pid, CAPTION), 10,
                               "the exit window on screen")[0]
        a11y.wait_for(lambda: self.x.focused_window() == window, 10,
                      "the exit window to take the keyboard")
        return window

    def type_referral(self, name, email, friend_email, friend_name):
        """Opens the exit window and types into the form's boxes in Tab order: Exit, the check
        box, your name, the button, your e-mail, your friend's e-mail, your friend's name."""
        run = self.start()
        self.x.key("alt+e")
        exit_window = self.exit_window(run)
        self.assert_in_front(run, exit_window)
        for tabs, text in ((2, name), (2, email), (1, friend_email), (1, friend_name)):
            self.x.key(*["Tab"] * tabs)
            self.x.type(text)
        return run, exit_window

    def test_every_route_ends_in_the_exit_window(self):
        endings = ["Return", "alt+x", "alt+F4"]
        routes = [("birth details", ["alt+e"]), ("birth details", ["alt+f", "x"]),
                  ("birth details", ["alt+F4"]), ("result", ["Escape"]),
                  ("result", ["alt+e"]), ("result", ["alt+f", "x"]), ("result", ["alt+F4"])]
        for i, (window, keys) in enumerate(routes):
            ending = endings[i % len(endings)]
            with self.subTest(window=window, keys=keys, ending=ending):
                run = self.start(self.new_folders())
                if window == "result":
                    self.make_reading(run)
                self.x.key(*keys)
                exit_window = self.exit_window(run)
                x_window = self.assert_in_front(run, exit_window)
                self.assertIn("_NET_WM_STATE_ABOVE", self.x.state(x_window))
                self.assertEqual(len(run.windows()), 1, "the exit window is the only one")
                self.x.key(ending)
                self.assertEnds(run)

    def test_check_box_never_stays_ticked_and_opens_the_forum_once_each_time(self):
        run = self.start()
        self.x.key("alt+e")
        exit_window = self.exit_window(run)
        self.assert_in_front(run, exit_window)
        check = a11y.find(exit_window, "check box")
        home = SCRIPT + "?page=home-page"
        # The box is 479 x 37 pixels at (2, 136) in the window; all of it takes clicks, and
        # a screen reader is told so.
        left, top, _, _ = self.x.client(self.exit_x_window(run))
        self.assertEqual(a11y.extents(check), (left + 2, top + 136, 479, 37))
        # The far corner of the box, away from its caption: the hand pointer shows there too.
        self.x.click(left + 2 + 479 - 3, top + 136 + 2)
        a11y.wait_for(lambda: self.folders.opened() == [home], 10, "the click to open the forum")
        cleared = lambda: "checked" not in a11y.states(check)
        a11y.wait_for(cleared, 10, "the tick to be cleared")

        # A screen reader reading the box after a press is told what the box shows: the tick,
        # which lasts as long as the press, is gone.
        window = self.exit_x_window(run)
        unticked = self.x.pixels(window, 2, 136, 40, 37)
        self.x.key("space")
        a11y.wait_for(lambda: self.folders.opened() == [home] * 2, 10, "space to open it")
        reading = time.monotonic() + 1.5
        while time.monotonic() < reading:
            # Told of a tick before and after a look at the box, which shows none.
            told = "checked" in a11y.states(check)
            shown = self.x.pixels(window, 2, 136, 40, 37) != unticked
            told = told and "checked" in a11y.states(check)
            self.assertFalse(told and not shown, "told of a tick the box does not show")
        a11y.wait_for(cleared, 10, "the tick to be cleared")

        a11y.press(check, "toggle")
        a11y.wait_for(lambda: self.folders.opened() == [home] * 3, 10, "Toggle to open it")
        a11y.wait_for(cleared, 10, "the tick to be cleared")

    def test_referral_values_reach_the_site_whole(self):
        values = {
            "taf1": "Tom & Jerry=1 #2?3+4% done",
            "taf2": "me+a&b=c@x.org",
            "taf3": "Hi #1, 100% sure & free=yes",
            "taf4": "Zoe O'Hara %41",
            "taf5": "x&taf5=evil@y.com",
        }
        run, exit_window = self.type_referral(values["taf1"], values["taf2"], values["taf5"],
                                              values["taf4"])
        # Last comes the message box, below the frame's edge.
        self.x.key("Tab", "ctrl+a")
        self.x.type(values["taf3"])
        message = a11y.find(exit_window, "text", "Your message", only_showing=False)
        a11y.wait_for(lambda: a11y.text(message) == values["taf3"], 10, "the typed message")
        self.x.key("alt+n")
        address = a11y.wait_for(self.folders.opened, 10, "the referral to be opened")
        self.assertEqual(len(address), 1, address)
        self.assertEqual(run.windows("Kelt Descendant Astrology"), [], "a message box showed")

        parts = urllib.parse.urlsplit(address[0])
        self.assertEqual(parts.scheme + "://" + parts.netloc + parts.path, SCRIPT)
        fields = urllib.parse.parse_qsl(parts.query, keep_blank_values=True,
                                        strict_parsing=True)
        self.assertEqual([k for k, _ in fields],
                         ["page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"])
        got = dict(fields)
        self.assertEqual(got["page"], "kelsar-refer-a-friend")
        for key, typed in values.items():
            self.assertEqual(got[key], typed, key)
        self.assertEqual(got["taf6"], FOLDER)
        self.assertTrue(parts.query.endswith("&taf6=" + urllib.parse.quote(FOLDER, safe="")),
                        parts.query)


    def test_a_referral_too_long_is_refused_whole_and_no_address_is_logged(self):
        run, exit_window = self.type_referral("Ann", "ann@example.com", "bob@example.com", "Bob")
        # More than an address can carry once encoded: 40,000 spaces take 120,000 alone.
        message = a11y.find(exit_window, "text", "Your message", only_showing=False)
        message.queryEditableText().setTextContents("a " * 40000 + "end")
        a11y.wait_for(lambda: a11y.text(message).endswith(" end"), 10, "the message")
        self.x.key("alt+n")
        _, texts = run.message()
        self.assertIn("The Referral Is Too Long To Send. Please Shorten What You Typed.", texts)
        self.x.key("Return")
        a11y.wait_for(lambda: not run.windows("Kelt Descendant Astrology"), 10, "the box to go")
        self.assertEqual(self.folders.opened(), [])

        # Shortened, it goes out whole.
        message.queryEditableText().setTextContents("a " * 20000 + "end")
        a11y.wait_for(lambda: len(a11y.text(message)) == 40003, 10, "the shorter message")
        self.x.key("alt+n")
        address = a11y.wait_for(self.folders.opened, 10, "the referral to be opened")
        self.assertEqual(len(address), 1)
        self.assertLessEqual(len(address[0]), 100000)
        fields = dict(urllib.parse.parse_qsl(urllib.parse.urlsplit(address[0]).query,
                                             keep_blank_values=True, strict_parsing=True))
        self.assertEqual(fields["taf3"], "a " * 20000 + "end")
        self.assertNotIn("example.com", run.output())
        self.assertNotIn("taf", run.output())


class ExitWithoutWindowManagerTest(ProgramTest):
    def test_exit_window_takes_the_keyboard_with_no_window_manager(self):
        bare = Desktop(window_manager=False).start()
        self.addCleanup(bare.stop)
        from xwin import X
        x = X(bare.display)
        run = self.start(desktop=bare)
        main = x.windows(run.process.pid, CAPTION)
        self.assertEqual(len(main), 1)
        a11y.wait_for(lambda: x.focused_window() == main[0], 10, "the first window's focus")
        x.key("alt+e")
        exit_window = run.window_with("push button", "Refer A Friend Now")
        exit_button = a11y.find(exit_window, "push button", "Exit")
        a11y.wait_for(lambda: "focused" in a11y.states(exit_button), 10, "Exit's focus")
        window = a11y.wait_for(lambda: x.windows(run.process.pid, CAPTION), 10,
                               "the exit window on screen")[0]
        a11y.wait_for(lambda: x.focused_window() == window, 10, "the exit window's keyboard")
        x.key("Return")
        self.assertEnds(run)
