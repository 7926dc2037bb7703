"""Reading a program over AT-SPI as a screen reader does, and keeping score."""
import time

import pyatspi
from gi.repository import GLib

failures = []
checks = 0


def check(condition, what):
    global checks
    checks += 1
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)
    return condition


def report(suite):
    print(f"{suite}: {checks - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


def wait_for(find, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    return None


def eventually(predicate, timeout=5):
    """Whether the predicate comes true in time; events reach the bus a little later."""
    return wait_for(lambda: True if predicate() else None, timeout) is not None


class Events:
    """Records the AT-SPI events of one kind as (role, name) of their source."""

    def __init__(self, kind):
        self.seen = []
        pyatspi.Registry.registerEventListener(
            lambda event: self.seen.append((event.source.getRoleName(), event.source.name)), kind)

    def arrived(self, wanted, timeout=5):
        """Whether an event from a source with this (role, name) arrives in time."""
        end = time.time() + timeout
        while wanted not in self.seen and time.time() < end:
            GLib.MainContext.default().iteration(False)
            time.sleep(0.01)
        return wanted in self.seen


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def everything(root):
    yield root
    for child in root:
        if child is not None:
            yield from everything(child)


def find(root, role, name=None, starts=None, description=None):
    for node in everything(root):
        if node.getRoleName() != role:
            continue
        if name is not None and node.name != name:
            continue
        if starts is not None and not node.name.startswith(starts):
            continue
        if description is not None and node.description != description:
            continue
        return node
    return None


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def text_of(node):
    return node.queryText().getText(0, -1)


def press(button):
    actions = button.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    actions.doAction(names.index("Press") if "Press" in names else 0)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


STATUS_LINES = {
    1: "   Below 18.5",
    2: "    18.5 - 24.9",
    3: "    25.0 - 29.9",
    4: " 30.0 and Above",
}


def status_line(window, line):
    return find(window, "label", starts=STATUS_LINES[line])
