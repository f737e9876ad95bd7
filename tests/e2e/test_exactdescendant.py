"""The exact descendant window, reached and used with the keyboard alone, and read through
the accessibility bus."""

import a11y
from base import ProgramTest
from session import CAPTION

NO_PLACE = ("Please choose your town of birth in the list, or give the latitude and longitude "
            "of the place.")


class ExactDescendantTest(ProgramTest):
    def labelled(self, window, role, caption):
        return a11y.find(window, role, predicate=lambda n: caption in a11y.labelled_by(n))

    def focused(self, node, what):
        a11y.wait_for(lambda: "focused" in a11y.states(node), 10, what + " to have the focus")

    def test_from_the_birth_details_to_the_descendant_and_back(self):
        run = self.start()
        # The date typed into the birth-details window's lists comes along.
        self.x.key("Tab", "Tab")
        self.x.type("12")
        self.x.key("Tab")
        self.x.type("may")
        self.x.key("Tab")
        self.x.type("1990")
        main = run.window()
        a11y.wait_for(lambda: self.labelled(main, "combo box", "Year").name == "1990", 10,
                      "the year to be chosen")

        self.x.key("alt+f")
        a11y.find(main, "menu item", "Find My Exact Descendant From Birth Place...", deep=True)
        self.x.key("p")
        exact = run.window_with("push button", "Find My Exact Descendant")
        self.assertEqual(a11y.role(exact), "dialog")
        for caption, entry in (("Date Of Birth:-", "12"), ("Month", "May"), ("Year", "1990"),
                               ("Hour", "00"), ("Minute", "00")):
            self.assertEqual(self.labelled(exact, "combo box", caption).name, entry)
        day = self.labelled(exact, "combo box", "Date")
        self.focused(day, "the day")

        # Find with no place is refused with its message, and the focus goes to the town.
        self.x.key("Return")
        box, texts = run.message()
        self.assertIn(NO_PLACE, texts)
        self.x.key("Return")
        town = self.labelled(exact, "text", "Town:-")
        self.focused(town, "the town box")

        self.x.key("alt+i")
        self.x.type("14")
        self.x.key("Tab")
        self.x.type("35")
        self.x.key("Tab")
        self.x.type("paris")
        towns = a11y.find(exact, "list", "Matching towns")
        a11y.wait_for(lambda: [n.name for n in a11y.find_all(towns, "list item")][:2] ==
                      ["Paris, Île-de-France, France", "Paris, Texas, United States"], 10,
                      "both towns named Paris")
        self.x.key("Down")
        first = a11y.find(towns, "list item", "Paris, Île-de-France, France")
        a11y.wait_for(lambda: "selected" in a11y.states(first), 10, "the town to be chosen")
        self.assertEqual(a11y.text(self.labelled(exact, "text", "Latitude:-")), "48.8534")
        self.assertEqual(self.labelled(exact, "combo box", "Time Zone:-").name, "Europe/Paris")

        self.x.key("Return")
        result = self.labelled(exact, "label", "Your Descendant Sign")
        self.focused(result, "the result")
        # Named by the whole answer, which a screen reader says when the focus comes to it.
        self.assertTrue(result.name.startswith(
            "Pisces 9 degrees 0 minutes. Your Ascendant Virgo 9 degrees 0 minutes. Place Of Birth "
            "Paris, Île-de-France, France. Clock Used 14:35 on 12 May 1990, summer time of "
            "Europe/Paris (CEST, UT+02:00): 12:35 UT on 12 May 1990. "), result.name[:200])
        self.assertEqual(a11y.find(exact, "image").name, "Pisces")

        # Escape closes it and the birth-details window has the keyboard again, unchanged.
        self.x.key("Escape")
        a11y.wait_for(lambda: not run.windows(CAPTION) or
                      all(a11y.role(w) != "dialog" for w in run.windows(CAPTION)), 10,
                      "the exact descendant window to close")
        main = run.window(CAPTION, lambda w: "active" in a11y.states(w))
        year = self.labelled(main, "combo box", "Year")
        self.focused(year, "the year list")
        self.assertEqual(year.name, "1990")
        self.assertEqual(len(run.windows(CAPTION)), 1)
        self.assertEqual(self.folders.opened(), [])
