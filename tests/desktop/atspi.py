"""Reading a program over AT-SPI as a screen reader does, and running it
afresh for each test."""
import os
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi
from gi.repository import GLib

APP_NAME = "Verided DAR Uzed"
MAIN_WINDOW = "Verided DAR Uzed 1.1"


class ProgramTest(unittest.TestCase):
    """Each test starts the program, named on the command line, with a
    stand-in opener for links first on PATH, and ends it afterwards. The
    opener adds its link to self.opened and exits with self.opener_exit."""

    program = None
    opener_exit = 0
    environment = {}  # what the program's environment adds or changes

    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.opened = os.path.join(folder.name, "opened")
        with open(os.path.join(folder.name, "xdg-open"), "w") as opener:
            opener.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.opened}"\nexit {self.opener_exit}\n')
        os.chmod(os.path.join(folder.name, "xdg-open"), 0o755)
        environment = dict(os.environ, PATH=folder.name + ":" + os.environ["PATH"], **self.environment)
        self.process = subprocess.Popen([self.program], env=environment)
        self.addCleanup(self.end_program)
        self.app = wait_for(lambda: application(APP_NAME))
        self.window = self.app and wait_for(lambda: find(self.app, "frame", MAIN_WINDOW))
        self.assertIsNotNone(self.window, "the main window appears on the accessibility bus")

    def end_program(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()

    def opened_links(self):
        """The links the stand-in opener was given, in order."""
        if not os.path.exists(self.opened):
            return []
        with open(self.opened) as record:
            return record.read().splitlines()

    def control(self, role, name=None, description=None):
        return find(self.window, role, name, description=description)

    def assertEventually(self, predicate, what, timeout=5):
        self.assertTrue(eventually(predicate, timeout), what)


def main():
    """Runs the tests of the calling script against the program given first."""
    ProgramTest.program = sys.argv[1]
    unittest.main(module="__main__", argv=sys.argv[:1], verbosity=2)


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
    """Records the AT-SPI events of one kind as (role, name) of their source;
    an announcement as (role of its source, what it says)."""

    def __init__(self, kind):
        self.seen = []
        said = (lambda event: event.any_data) if kind == "object:announcement" else (lambda event: event.source.name)
        pyatspi.Registry.registerEventListener(
            lambda event: self.seen.append((role_of(event.source), said(event))), kind)

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


def role_of(node):
    """The role's name as at-spi2-core 2.46 gives it: 2.56 says "button" for "push button"."""
    role = node.getRoleName()
    return "push button" if role == "button" else role


def find(root, role, name=None, starts=None, description=None):
    for node in everything(root):
        if role_of(node) != role:
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


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def click(node):
    """A click of the mouse in the middle of where the node is said to be."""
    x, y, width, height = extents(node)
    xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")
    time.sleep(0.15)


STATUS_LINES = {
    1: "   Below 18.5",
    2: "    18.5 - 24.9",
    3: "    25.0 - 29.9",
    4: " 30.0 and Above",
}


def status_line(window, line):
    return find(window, "label", starts=STATUS_LINES[line])
