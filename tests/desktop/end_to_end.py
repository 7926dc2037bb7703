#!/usr/bin/python3
"""Drives the built program from outside, as a user does: real X input only
(xdotool clicks, typing, Tab and access keys), and reads back only what a user
or a screen reader gets: accessible names, texts and states, and the screen's
pixels for the status colours. Each scene starts the program afresh.

Run by run-desktop-test: end_to_end.py PROGRAM
"""
import os
import subprocess
import sys
import time

from PIL import ImageGrab

from atspi import ProgramTest, click, extents, find, main, states, status_line, text_of, wait_for, xdotool

HIGHLIGHT = (255, 192, 192)
NORMAL = (255, 255, 255)


def key(*keys):
    for k in keys:
        xdotool("key", "--delay", "30", k)
        time.sleep(0.05)


def type_into(field, text):
    click(field)
    key("ctrl+a", "BackSpace")
    xdotool("type", "--delay", "10", text)


def line_colour(window, line):
    x, y, _, _ = extents(status_line(window, line))
    return ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).getpixel((x + 1, y + 1))[:3]


def highlighted(window):
    """The status line lit on screen, 0 for none, None for anything else."""
    colours = [line_colour(window, line) for line in range(1, 5)]
    if any(c not in (HIGHLIGHT, NORMAL) for c in colours):
        return None
    lit = [line for line, c in enumerate(colours, 1) if c == HIGHLIGHT]
    return lit[0] if len(lit) == 1 else (0 if not lit else None)


class Scene(ProgramTest):
    def result(self):
        return self.control("label", description="Your BMI").name

    def calculate(self, height, weight):
        type_into(self.control("text", "Height"), height)
        type_into(self.control("text", "Weight"), weight)
        key("Return")

    def answer_box(self, title, message):
        """Checks the message box that has opened, then closes it with Enter."""
        alert = wait_for(lambda: find(self.app, "alert"), timeout=5)
        self.assertIsNotNone(alert, "a message box opens")
        self.assertEqual(alert.name, title)
        self.assertIsNotNone(find(alert, "label", message), f"the box says {message!r}")
        key("Return")
        self.assertEventually(lambda: find(self.app, "alert") is None, "Enter closes the box")


class EndToEnd(Scene):
    def test_start_up(self):
        self.assertEventually(lambda: "focused" in states(self.control("text", "Height")), "the focus is in the height field")
        self.assertIn("checked", states(self.control("radio button", "inches")))
        self.assertIn("checked", states(self.control("radio button", "pounds")))
        self.assertIsNotNone(self.control("combo box", "Feet / Inches"), "the height list shows its header")
        self.assertIsNotNone(self.control("combo box", "Stone / Pounds"), "the weight list shows its header")
        self.assertEqual(self.result(), "", "no BMI shown")
        self.assertEqual(highlighted(self.window), 0, "every status line in normal colours")

    def test_each_unit_pair(self):
        rows = [
            ("68", "inches", "154", "pounds", "23.4", 2),
            ("70", "inches", "68", "kilograms", "21.5", 2),
            ("175", "centimetres", "160", "pounds", "23.7", 2),
            ("180", "centimetres", "100", "kilograms", "30.9", 4),
            ("200", "centimetres", "73.8", "kilograms", "18.5", 2),
            ("1000", "centimetres", "5", "kilograms", ".1", 1),
        ]
        for height, height_unit, weight, weight_unit, shown, line in rows:
            with self.subTest(f"{height} {height_unit}, {weight} {weight_unit}"):
                type_into(self.control("text", "Height"), height)
                click(self.control("radio button", height_unit))
                type_into(self.control("text", "Weight"), weight)
                click(self.control("radio button", weight_unit))
                key("Return")
                self.assertEventually(lambda: self.result() == shown, f"shows {shown}")
                self.assertEventually(lambda: highlighted(self.window) == line, f"line {line} lit on screen")

    def test_picks_by_keyboard(self):
        key("Tab", "Tab")
        self.assertEventually(lambda: "focused" in states(find(self.window, "combo box", description="Height in feet and inches")),
                              "Tab Tab reaches the height list")
        key(*["Down"] * 20)
        self.assertEventually(lambda: text_of(self.control("text", "Height")) == "67", "a keyboard pick of 5ft 7in writes 67")
        key("Tab", "Tab", "Tab")
        key(*["Down"] * 99)
        self.assertEventually(lambda: text_of(self.control("text", "Weight")) == "154", "a keyboard pick of 11 Stone writes 154")
        self.assertIn("checked", states(self.control("radio button", "pounds")), "the weight pick selects pounds")
        key("Return")
        self.assertEventually(lambda: self.result() == "24.1", "the typical use shows 24.1")
        self.assertEventually(lambda: highlighted(self.window) == 2, "the typical use lights the Normal line")

    def test_reset_then_calculate(self):
        self.calculate("170", "70")
        click(self.control("radio button", "kilograms"))
        click(self.control("push button", "Reset"))
        self.assertEventually(lambda: text_of(self.control("text", "Height")) == "" and text_of(self.control("text", "Weight")) == "",
                              "Reset empties both fields")
        self.assertIsNotNone(self.control("combo box", "Feet / Inches"))
        self.assertIsNotNone(self.control("combo box", "Stone / Pounds"))
        self.assertIn("checked", states(self.control("radio button", "pounds")), "Reset selects pounds again")
        self.assertEqual(self.result(), "")
        self.assertEqual(highlighted(self.window), 0, "Reset clears the result panel")
        # Enter on a focused button presses that button; from a field it presses CALCULATE
        click(self.control("text", "Height"))
        key("Return")
        self.answer_box("Oops!", "Please Enter Or Select A Value For Both Height And Weight")

    def test_about_and_back(self):
        self.calculate("67", "154")
        self.assertEventually(lambda: self.result() == "24.1", "a result is shown before About")
        key("alt+h")
        key("a")
        self.assertIsNotNone(wait_for(lambda: find(self.app, "dialog", "About "), timeout=5), "Alt+H, A opens About")
        self.assertEventually(lambda: "sensitive" not in states(self.window), "the main window takes no input meanwhile")
        key("Escape")
        self.assertEventually(lambda: find(self.app, "dialog", "About ") is None, "Escape closes About")
        self.assertEventually(lambda: "sensitive" in states(self.window), "the main window takes input again")
        self.assertEqual(self.result(), "24.1", "the shown BMI is untouched")
        self.assertEqual(highlighted(self.window), 2)

    def test_link_opens(self):
        click(self.control("link", "www.verided.example"))
        self.assertEventually(lambda: self.opened_links() == ["http://www.verided.example/"],
                              "the main window's link hands the site's root page to the opener")
        self.assertIsNone(find(self.app, "alert"), "a successful open shows nothing")

    def test_exit_by_menu(self):
        key("alt+f")
        key("e")
        self.assertEqual(self.process.wait(timeout=5), 0, "File, Exit ends the program at once")


class GnomeDesktop(Scene):
    # GNOME's theme lists Enter among the keys that press a button.
    environment = {"XDG_CURRENT_DESKTOP": "GNOME"}

    def test_enter_calculates(self):
        self.calculate("67", "154")
        self.assertEventually(lambda: self.result() == "24.1", "Enter from the weight field presses CALCULATE")


class SlowReader(Scene):
    """Each key waits for a reader's answer; a shortcut waits its turn too."""

    def setUp(self):
        reader = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(__file__), "slow_reader.py")],
                                  stdout=subprocess.PIPE, text=True)
        self.addCleanup(reader.wait)
        self.addCleanup(reader.kill)
        reader.stdout.readline()
        super().setUp()

    def test_keys_keep_their_order(self):
        xdotool("key", "--delay", "30", "7", "alt+f", "Escape")
        self.assertEventually(lambda: text_of(self.control("text", "Height")) == "7",
                              "a digit typed just before Alt+F reaches its field", timeout=10)


class FailingOpener(Scene):
    opener_exit = 4

    def test_link_fails(self):
        click(self.control("link", "www.verided.example"))
        self.answer_box("Verided DAR Uzed", "No Browser Installed. Cannot Open Web Page.")


if __name__ == "__main__":
    main()
