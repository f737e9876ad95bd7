#!/usr/bin/env python3
"""Takes the README's pictures of the windows, under Xvfb and openbox as the suite runs
the program. Needs ImageMagick's import besides the suite's own tools:

    dbus-run-session -- /usr/bin/python3 tests/e2e/screenshots.py \\
        --program build/KeltFreeDescendantAstrology --out docs
"""

import argparse
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bus  # noqa: E402
from desktop import Desktop  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    launcher = bus.start_accessibility_bus()
    desktop = Desktop().start()
    try:
        import a11y
        from session import CAPTION, Folders, ProgramRun
        from xwin import X

        x = X(desktop.display)
        folders = Folders()
        run = ProgramRun(os.path.abspath(args.program), desktop, folders).start()

        def shoot(name, window=None, root=False):
            path = os.path.join(args.out, name + ".png")
            target = ["-window", "root"]
            if not root:
                target = ["-window", str(window)]
            subprocess.run(["import", "-display", desktop.display] + target +
                           (["-crop", "%dx%d+%d+%d" % window_crop(window)] if root else []) +
                           [path], check=True)
            # The crop keeps the screen as its canvas, with the window's place as an offset;
            # the picture is the window alone, without the dates of the moment it was taken.
            subprocess.run(["convert", path, "+repage", "-define", "png:exclude-chunk=date,time",
                            path], check=True)

        def window_crop(window):
            left, top, width, height = x.frame(window)
            return width, height, left, top

        def only(name=CAPTION, width=None):
            return a11y.wait_for(
                lambda: [w for w in x.windows(run.process.pid, name)
                         if width is None or x.client(w)[2] == width], 10, name)[-1]

        main_window = only()
        a11y.find(run.window(), "text", "Name")
        shoot("birth-details-window", main_window, root=True)
        x.key("alt+h")
        a11y.find(run.window(), "menu item", "About Software", deep=True)
        shoot("help-menu", main_window, root=True)
        x.key("Escape", "Escape")
        # The exact descendant of a birth in Paris, picked with the keyboard.
        x.key("alt+f", "p")
        run.window_with("push button", "Find My Exact Descendant")
        x.key("alt+b")
        for typed in ("12", "may", "1990", "14", "35", "paris"):
            x.type(typed)
            x.key("Tab")
        x.key("shift+Tab", "Down", "Return")
        exact = run.window_with("image", "Pisces")
        a11y.find(exact, "label", predicate=lambda n: n.name.startswith("Pisces 9 degrees"))
        shoot("exact-descendant-window", only(width=760), root=True)
        x.key("Escape")
        a11y.find(run.window(), "text", "Name")
        x.type("jo ann")
        x.key("Tab")
        x.repeat("Down", 9)
        x.key("Return")
        run.window_with("push button", "Back")
        result = only(width=697)
        shoot("result-window", result, root=True)
        x.key("alt+h", "a")
        about = only(width=423)
        shoot("about-window", about, root=True)
        x.key("Escape", "Escape")
        run.window_with("push button", "Refer A Friend Now")
        shoot("exit-window", only(), root=True)
        x.key("Return")
        run.wait_exit()
        folders.cleanup()
    finally:
        desktop.stop()
        launcher.terminate()
        launcher.wait()


if __name__ == "__main__":
    main()
