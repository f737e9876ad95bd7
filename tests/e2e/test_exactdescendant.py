"""The exact descendant window, used with the keyboard alone and read through the
accessibility bus."""

import a11y
from base import ProgramTest
from session import CAPTION


class ExactDescendantTest(ProgramTest):
    def labelled(self, window, role, caption):
        return a11y.find(window, role, predicate=lambda n: caption in a11y.labelled_by(n))

    def focused(self, node, what):
        a11y.wait_for(lambda: "focused" in a11y.states(node), 10, what + " to have the focus")

    def test_a_birth_in_paris_from_the_keyboard(self):
        run = self.start()
        self.x.key("alt+f", "p")
        exact = run.window_with("push button", "Find My Exact Descendant")
        self.assertEqual(a11y.role(exact), "dialog")
        self.focused(self.labelled(exact, "combo box", "Date Of Birth:-"), "the day")
        self.x.key("alt+t")
        self.x.type("paris")
        towns = a11y.find(exact, "list", "Matching towns")
        a11y.wait_for(lambda: [n.name for n in a11y.find_all(towns, "list item")][:2] ==
                      ["Paris, Île-de-France, France", "Paris, Texas, United States"], 10,
                      "both towns named Paris")
        self.x.key("Down", "Down")
        texas = a11y.find(towns, "list item", "Paris, Texas, United States")
        a11y.wait_for(lambda: "selected" in a11y.states(texas), 10, "Texas to be chosen")
        self.assertEqual(a11y.text(self.labelled(exact, "text", "Latitude:-")), "33.6609")
        self.assertEqual(self.labelled(exact, "combo box", "Time Zone:-").name,
                         "America/Chicago")

        self.x.key("Return")
        result = self.labelled(exact, "label", "Your Descendant Sign")
        self.focused(result, "the result")
        self.assertIn(". Place Of Birth Paris, Texas, United States. Clock Used 00:00 on 1 "
                      "January 1900, standard time of America/Chicago (CST, UT-06:00): 06:00 UT "
                      "on 1 January 1900. ", result.name)
        sign = result.name.split()[0]
        self.assertEqual(a11y.find(exact, "image").name, sign)

        # Escape closes it; the birth-details window is the only one, with the keyboard.
        self.x.key("Escape")
        main = run.window(CAPTION, lambda w: a11y.role(w) != "dialog" and
                          "active" in a11y.states(w))
        self.focused(a11y.find(main, "text", "Name"), "the name box")
        self.assertEqual(len(run.windows(CAPTION)), 1)
