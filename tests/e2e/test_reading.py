"""A reading made with the keyboard alone, and heard through the accessibility bus."""

import a11y
from base import ProgramTest
from session import CAPTION

TAURUS_OPENS = ("You are in search of a romantic and sensual partner who can make you feel "
                "like a valued treasure.")


class KeyboardReadingTest(ProgramTest):
    def name_box(self, run):
        return a11y.find(run.window(), "text", "Name")

    def list_labelled(self, window, caption):
        return a11y.find(window, "combo box", predicate=lambda n: caption in a11y.labelled_by(n))

    def test_delete_keys_edit_the_name_silently(self):
        run = self.start()
        box = self.name_box(run)
        self.assertIn("focused", a11y.states(box))
        self.x.type("anne")
        self.x.key("Home", "Delete", "KP_Delete")
        a11y.wait_for(lambda: a11y.text(box) == "NE", 10, "Delete to edit the name")
        self.x.key("End", "BackSpace", "space")
        a11y.wait_for(lambda: a11y.text(box) == "N ", 10, "Backspace and space")
        self.assertEqual(run.windows("Kelt Descendant Astrology"), [], "a message box showed")

    def test_refused_key_shows_its_message_and_types_nothing(self):
        run = self.start()
        box = self.name_box(run)
        self.x.type("a1")
        message, texts = run.message()
        self.assertIn("Please Enter Only Alphabet !", texts)
        self.x.key("Return")
        a11y.wait_for(lambda: not run.windows("Kelt Descendant Astrology"), 10, "the box to go")
        self.assertEqual(a11y.text(box), "A")

    def test_reading_by_keyboard_is_heard_and_back_keeps_everything(self):
        run = self.start()
        main = run.window()
        events = a11y.Events("object")
        self.addCleanup(events.close)
        self.x.type("jo ann")
        # The typing is heard too, so from here on the program knows someone listens.
        a11y.wait_for(lambda: any(e[0].startswith("object:text") for e in events.received),
                      10, "the typed name to be announced")

        times = self.list_labelled(main, "Time Of Birth:-")
        self.assertEqual(times.name, "4am-6am")
        entries = [n.name for n in a11y.find_all(times, "list item", only_showing=False)]
        self.assertEqual(entries[:3], ["4am-6am", "2am-4am", "midnight-2am"])
        self.assertEqual(len(entries), 12)

        self.x.key("Tab")
        a11y.wait_for(lambda: "focused" in a11y.states(times), 10, "the time list's focus")
        self.x.repeat("Down", 9)
        a11y.wait_for(lambda: times.name == "10am-noon", 10, "the time list to say its entry")
        a11y.wait_for(lambda: any(e[0] == "object:property-change:accessible-name"
                                  and e[2] == "10am-noon" for e in events.received),
                      10, "the change of entry to be announced")

        for caption, downs, entry in (("Date", 24, "25"), ("Month", 6, "July"),
                                      ("Year", 90, "1990")):
            self.x.key("Tab")
            chosen = self.list_labelled(main, caption)
            a11y.wait_for(lambda: "focused" in a11y.states(chosen), 10, caption + "'s focus")
            self.x.repeat("Down", downs)
            a11y.wait_for(lambda: chosen.name == entry, 10, "%s to say %s" % (caption, entry))
        days = self.list_labelled(main, "Date")
        self.assertEqual(len(a11y.find_all(days, "list item", only_showing=False)), 31)

        # Of the two stacked bottom-banner labels only the one in front is showing.
        banner = [n.name for n in a11y.find_all(main, "link") if n.name.startswith(
            ("Co-brand", "Home Business"))]
        self.assertEqual(len(banner), 1, banner)

        self.x.key("Return")
        result = run.window_with("push button", "Back")
        sign = a11y.find(result, "label",
                         predicate=lambda n: "Your Descendant Sign" in a11y.labelled_by(n))
        self.assertEqual(sign.name, "Taurus")
        paragraph = a11y.find(result, "label",
                              predicate=lambda n: "More About Your Sign" in a11y.labelled_by(n))
        self.assertTrue(paragraph.name.startswith(TAURUS_OPENS), paragraph.name[:80])
        picture = a11y.find(result, "image")
        self.assertEqual(picture.name, "Taurus")
        self.assertIn("Taurus", picture.description)
        banner = [n.name for n in a11y.find_all(result, "link") if n.name.startswith(
            ("Co-brand", "Home Business"))]
        self.assertEqual(len(banner), 1, banner)
        self.assertTrue(banner[0].startswith("Home Business"))

        back = a11y.find(result, "push button", "Back")
        a11y.wait_for(lambda: "focused" in a11y.states(back), 10, "Back to hold the focus")
        self.assertIn("active", a11y.states(result))

        self.x.key("Return")
        main = run.window_with("text", "Name")
        self.assertEqual(a11y.text(a11y.find(main, "text", "Name")), "JO ANN")
        for caption, entry in (("Time Of Birth:-", "10am-noon"), ("Date", "25"),
                               ("Month", "July"), ("Year", "1990")):
            self.assertEqual(self.list_labelled(main, caption).name, entry)
        year = self.list_labelled(main, "Year")
        a11y.wait_for(lambda: "focused" in a11y.states(year), 10, "the focus to come back")
        self.assertEqual(len(run.windows(CAPTION)), 1, "only the birth-details window shows")
        self.assertEqual(self.folders.opened(), [])
