#!/usr/bin/python3
"""Reads the program's accessibility tree over AT-SPI, as a screen reader
does, at start and after a calculation: the result is announced, the link can
be activated, and a message box is an alert.

Run inside a private D-Bus session with the AT-SPI bus started and an X
server on DISPLAY (run-desktop-test does both): accessibility.py PROGRAM
"""
import subprocess

import pyatspi

from atspi import Events, MAIN_WINDOW, ProgramTest, everything, extents, find, main, press, states, status_line, wait_for


def marked_lines(window):
    """The status lines that read as selected, with what is said after their caption."""
    return {line: status_line(window, line).name.partition(", ")[2] for line in range(1, 5)
            if "selected" in states(status_line(window, line))}


class Accessibility(ProgramTest):
    def result(self):
        results = [node for node in everything(self.window)
                   if node.getRoleName() == "label" and node.description == "Your BMI"]
        self.assertEqual(len(results), 1, "one label is described as Your BMI")
        return results[0]

    def calculate(self, height, weight):
        self.control("text", "Height").queryEditableText().setTextContents(height)
        self.control("text", "Weight").queryEditableText().setTextContents(weight)
        press(self.control("push button", "CALCULATE"))

    def test_at_start(self):
        height = self.control("text", "Height")
        self.assertIsNotNone(height, "the height field is named Height")
        self.assertIsNotNone(self.control("text", "Weight"), "the weight field is named Weight")
        self.assertEventually(lambda: "focused" in states(height), "the height field has the focus at start")
        for name, checked in (("inches", True), ("centimetres", False), ("pounds", True), ("kilograms", False)):
            with self.subTest(option=name):
                option = self.control("radio button", name)
                self.assertIsNotNone(option)
                self.assertEqual("checked" in states(option), checked)
        for shown, description in (("Feet / Inches", "Height in feet and inches"),
                                   ("Stone / Pounds", "Weight in stone and pounds")):
            with self.subTest(list=shown):
                self.assertEqual(self.control("combo box", shown).description, description)
        self.assertEqual(self.window.description, "Body Mass Index (BMI) Can Help Determine If A Person Is Overweight.",
                         "the window says what it is for")
        for caption in ("inches", "cms", "pounds", "kilos"):
            self.assertNotIn("visible", states(self.control("label", caption)), f"{caption} is read with its option only")
        banner = self.control("text", "Verided DAR Uzed")
        self.assertIn("read only", states(banner), "the banner is named by its text and read-only")
        self.assertNotIn("editable", states(banner), "the banner is not editable")
        panels = [node for node in everything(self.window)
                  if node.getRoleName() == "panel" and node.name == "4. Weight Status"]
        self.assertEqual(len(panels), 1, "the untitled status table does not take its frame's caption")
        self.assertEqual(self.result().name, "", "the empty result reads as nothing")
        self.assertEqual(marked_lines(self.window), {}, "no status line is marked at start")

    def test_result_is_told(self):
        # Qt 6.8 announces; before it, a notification appears that says it.
        announces = tuple(map(int, self.app.toolkitVersion.split(".")[:2])) >= (6, 8)
        told = Events("object:announcement" if announces else "object:state-changed:showing")
        self.calculate("67", "154")
        self.assertEventually(lambda: self.result().name == "24.1", "after the calculation the result reads 24.1")
        self.assertEventually(lambda: marked_lines(self.window) == {2: "your weight status"},
                              "the Normal line alone reads as selected, and as your weight status")
        self.assertTrue(told.arrived(("status bar" if announces else "notification", "Your BMI is 24.1, Normal")),
                        "the result and its status are told without moving the focus")

    def test_link_is_activated(self):
        link = self.control("link", "www.verided.example")
        self.assertIsNotNone(link, "the web address is a link")
        press(link)
        self.assertEventually(lambda: self.opened_links() == ["http://www.verided.example/"],
                              "activating the link opens the site")

    def test_message_is_an_alert(self):
        self.calculate("", "154")
        alert = wait_for(lambda: find(self.app, "alert"))
        self.assertIsNotNone(alert, "a message box is announced as an alert")
        self.assertIsNotNone(find(alert, "label", "Please Enter Or Select A Height Value"), "the alert carries its message")
        press(find(alert, "push button", "OK"))


class AtScaleTwo(ProgramTest):
    """On the primary monitor (run with XVFB_MONITORS), which starts right of
    the other and shows twice its scale."""
    environment = {"QT_SCREEN_SCALE_FACTORS": "LEFT=1;RIGHT=2"}

    def test_positions_are_the_screens(self):
        shown = subprocess.run(["xdotool", "search", "--name", f"^{MAIN_WINDOW}$", "getwindowgeometry", "--shell"],
                               capture_output=True, text=True, check=True).stdout
        place = dict(line.split("=") for line in shown.split())
        self.assertEqual(extents(self.window), tuple(int(place[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")),
                         "the window is where the screen shows it")
        self.assertGreater(int(place["X"]), 1000, "on the monitor right of the other")
        x, y, width, height = extents(self.control("push button", "CALCULATE"))
        node = self.window
        while (inner := node.queryComponent().getAccessibleAtPoint(x + width // 2, y + height // 2,
                                                                   pyatspi.DESKTOP_COORDS)) not in (None, node):
            node = inner
        self.assertEqual(node.name, "CALCULATE", "the point at the middle of CALCULATE is CALCULATE")
        left, top, width, height = extents(self.window)
        for role, name in (("menu item", "File"), ("status bar", None)):
            x, y, _, _ = extents(self.control(role, name))
            self.assertTrue(left <= x < left + width and top <= y < top + height, f"the {role} is in the window")
        self.assertGreater(extents(self.control("status bar"))[1], extents(self.control("link"))[1],
                           "the status line is read last, below the window's lowest text")
        field = self.control("text", "Height")
        field.queryEditableText().setTextContents("170")
        text, (left, top, width, height) = field.queryText(), extents(field)
        for offset in range(3):
            x, y, w, h = text.getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
            self.assertTrue(left <= x < left + width and top <= y < top + height, f"character {offset} is in its field")
            self.assertEqual(text.getOffsetAtPoint(x + w // 2, y + h // 2, pyatspi.DESKTOP_COORDS), offset,
                             f"the middle of character {offset} is that character")


if __name__ == "__main__":
    main()
