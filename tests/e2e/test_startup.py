"""Start-up as a user meets it: the stored reminder date, the reminder, a second copy."""

import datetime

import a11y
from base import ProgramTest
from session import CAPTION, ini_key, scramble, today

DOWNLOAD = ("http://www.sarvelsoftwares.com/kelt-free-descendant-astrology/ssd.php"
            "?page=download-web-page")
QUESTION = ["There maybe an update to this software available",
            "Do you want to check for an update?"]


class StartupTest(ProgramTest):
    def stored_line(self):
        return "%s=%s" % (ini_key(scramble("Duration")), scramble(today().isoformat()))

    def test_first_start_stores_the_date_under_the_windows_1252_key(self):
        self.start()
        # "D" + 85 is code 153, which Windows-1252 gives to the trade mark sign.
        self.assertEqual(ini_key(scramble("Duration")), "%U2122%CA%C7%B6%C9%BE%C4%C3")
        text = a11y.wait_for(self.folders.settings_text, 10, "the settings file")
        self.assertIn(self.stored_line(), text.split("\n"))

    def test_reminder_on_a_stale_date(self):
        for answer, key, opened in (("Yes", "Return", [DOWNLOAD]), ("No", "alt+n", [])):
            with self.subTest(answer=answer):
                folders = self.new_folders()
                folders.store_reminder_date(today() - datetime.timedelta(days=30))
                run = self.start(folders, wait_for_window=False)
                box, texts = run.message()
                self.assertEqual([t for t in texts if t], ["\n".join(QUESTION)])
                windows = a11y.wait_for(
                    lambda: self.x.windows(run.process.pid, "Kelt Descendant Astrology"), 10,
                    "the box on screen")
                self.assertIn((32, 32), self.x.icon_sizes(windows[0]), "not the program icon")
                self.x.key(key)
                run.window_with("text", "Name")
                self.assertEqual(folders.opened(), opened)
                self.assertIn(self.stored_line(), folders.settings_text().split("\n"))
                # One copy per user, whatever its folders: this one ends before the next.
                run.stop()

    def test_second_copy_is_refused_and_the_first_keeps_its_window(self):
        first = self.start()
        name = a11y.find(first.window(), "text", "Name")
        self.x.type("ann")
        a11y.wait_for(lambda: a11y.text(name) == "ANN", 10, "the first copy's name")
        settings = self.folders.settings_text()

        second = self.start(wait_for_window=False)
        box, texts = second.message()
        self.assertIn("Application is already running", texts)
        windows = a11y.wait_for(
            lambda: self.x.windows(second.process.pid, "Kelt Descendant Astrology"), 10,
            "the box on screen")
        main = self.x.windows(first.process.pid, CAPTION)
        self.assertEqual(self.x.icon_sizes(windows[0]), self.x.icon_sizes(main[0]),
                         "the box does not carry the program icon")
        self.assertEqual(second.windows(CAPTION), [])
        self.x.key("Return")
        self.assertEnds(second)

        self.assertTrue(first.running())
        self.assertEqual(len(first.windows(CAPTION)), 1)
        self.assertEqual(a11y.text(a11y.find(first.window(), "text", "Name")), "ANN")
        self.assertEqual(self.folders.settings_text(), settings)
