"""The program as a screen reader sees it, through the AT-SPI bus."""

import pyatspi
from gi.repository import GLib

from wait import add_pump, wait_for

_context = GLib.MainContext.default()


def _pump():
    while _context.iteration(False):
        pass


add_pump(_pump)


def application(pid, timeout=15):
    def found():
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except GLib.GError:
                continue
        return None

    return wait_for(found, timeout, "process %d on the accessibility bus" % pid)


# Entries of lists and menus are many and rarely what a search is after; they are walked
# only when the search starts at the list or menu itself.
_CLOSED = {"combo box", "menu bar", "menu", "popup menu"}


def walk(node, top=True, deep=False):
    """The node and every node below it, depth first; deep also enters lists and menus."""
    yield node
    if not top and not deep and role(node) in _CLOSED:
        return
    for child in node:
        if child is not None:
            yield from walk(child, False, deep)


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def showing(node):
    return "showing" in states(node)


def role(node):
    return node.getRoleName()


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def text(node):
    return node.queryText().getText(0, -1)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def find_all(root, role_name=None, name=None, predicate=None, only_showing=True, deep=False):
    root.clear_cache()
    found = []
    for node in walk(root, deep=deep):
        try:
            if role_name is not None and role(node) != role_name:
                continue
            if name is not None and node.name != name:
                continue
            if only_showing and not showing(node):
                continue
            if predicate is not None and not predicate(node):
                continue
        except GLib.GError:
            continue
        found.append(node)
    return found


def find(root, role_name=None, name=None, predicate=None, timeout=15, only_showing=True,
         deep=False):
    """Waits for a node that matches and returns the first."""
    what = "a %s named %r" % (role_name or "node", name)
    return wait_for(lambda: next(iter(find_all(root, role_name, name, predicate, only_showing,
                                               deep)), None), timeout, what)


def press(node, action_name):
    """Runs the node's accessible action, as a screen reader or switch access does."""
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == action_name.lower():
            action.doAction(i)
            return
    raise AssertionError("%s has no action %r" % (node.name, action_name))


class Events:
    """Collects the events of the given kinds that the program sends. Qt sends events only
    for whole classes it knows someone listens to, such as "object"."""

    def __init__(self, *kinds):
        self.kinds = kinds
        self.received = []
        pyatspi.Registry.registerEventListener(self._heard, *kinds)

    def _heard(self, event):
        try:
            self.received.append((event.type, event.source.name, event.any_data))
        except GLib.GError:
            pass

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._heard, *self.kinds)
