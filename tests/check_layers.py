#!/usr/bin/env python3
"""Fails when a layer includes a header of one it may not use, or when files of one folder
include each other round in a circle. reading, links and reminder use none of the others, ui
uses reading and links, shell all four; content/ holds data every layer may use. The astrology
uses no Qt."""

import os
import re
import sys

# Each layer and the layers it may use.
LAYERS = {
    "reading": [],
    "links": [],
    "reminder": [],
    "ui": ["reading", "links"],
    "shell": ["reading", "links", "reminder", "ui"],
}
PICTURE = "reading, links <- ui; reading, links, reminder, ui <- shell"
SHARED = ["content"]
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def headers(root):
    """Which folder each header name belongs to."""
    owner = {}
    for folder in list(LAYERS) + SHARED:
        for name in os.listdir(os.path.join(root, folder)):
            if name.endswith((".h", ".inc.in")):
                owner.setdefault(name.removesuffix(".in"), []).append(folder)
    return owner


def circles(edges):
    """Each circle of includes between the units (a header and its source) of one folder."""
    found, done = [], set()

    def visit(unit, path):
        if unit in path:
            circle = path[path.index(unit):] + [unit]
            if set(circle) not in [set(c) for c in found]:
                found.append(circle)
            return
        if unit in done:
            return
        for target in sorted(edges.get(unit, ())):
            visit(target, path + [unit])
        done.add(unit)

    for unit in sorted(edges):
        visit(unit, [])
    return found


def check(root):
    owner = headers(root)
    problems = []
    edges = {}
    for layer, uses in LAYERS.items():
        folder = os.path.join(root, layer)
        for name in sorted(os.listdir(folder)):
            if not name.endswith((".h", ".cpp", ".in")):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8") as f:
                source = f.read()
            for match in INCLUDE.finditer(source):
                kind, target = match.groups()
                line = source.count("\n", 0, match.start()) + 1
                where = "%s/%s:%d" % (layer, name, line)
                if kind == "<":
                    if layer == "reading" and re.match(r"Q[A-Za-z]", target):
                        problems.append("%s: the astrology includes Qt's <%s>" % (where, target))
                    continue
                base = os.path.basename(target)
                folders = owner.get(base)
                if "/" in target:
                    problems.append("%s: include \"%s\" by its name alone" % (where, target))
                elif folders is None:
                    continue  # generated or Qt's own (moc files)
                elif len(folders) > 1:
                    problems.append("%s: \"%s\" is in %s" % (where, base, " and ".join(folders)))
                elif folders[0] in LAYERS and folders[0] not in uses + [layer]:
                    problems.append("%s: %s includes \"%s\" of %s, which it may not use"
                                    % (where, layer, base, folders[0]))
                elif folders[0] == layer:
                    unit, included = name.split(".")[0], base.split(".")[0]
                    if unit != included:
                        edges.setdefault((layer, unit), set()).add((layer, included))
    for circle in circles(edges):
        problems.append("%s/: %s include each other in a circle"
                        % (circle[0][0], " -> ".join(unit for _, unit in circle)))
    return problems


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    problems = check(os.path.abspath(root))
    for problem in problems:
        print(problem)
    if problems:
        print("%d include(s) against the layers %s" % (len(problems), PICTURE))
        return 1
    print("layers in order: " + PICTURE)
    return 0


if __name__ == "__main__":
    sys.exit(main())
