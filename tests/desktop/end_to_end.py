#!/usr/bin/python3
"""Drives the built program from outside, as a user does: real X input only
(xdotool clicks, typing, Tab and access keys), and reads back only what a user
or a screen reader gets: accessible names, texts and states, and the screen's
pixels for the status colours.

Run by run-desktop-test: end_to_end.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile
import time

from PIL import ImageGrab

from atspi import (application, check, eventually, extents, find, report, states, status_line,
                   text_of, wait_for)

APP_NAME = "Verided DAR Uzed"
HIGHLIGHT = (255, 192, 192)
NORMAL = (255, 255, 255)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def key(*keys):
    for k in keys:
        xdotool("key", "--delay", "30", k)
        time.sleep(0.05)


def click(node):
    x, y, width, height = extents(node)
    xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")
    time.sleep(0.15)


def type_into(field, text):
    click(field)
    key("ctrl+a", "BackSpace")
    xdotool("type", "--delay", "10", text)


def line_colour(window, line):
    x, y, _, _ = extents(status_line(window, line))
    return ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).getpixel((x + 1, y + 1))[:3]


def highlighted(window):
    colours = [line_colour(window, line) for line in range(1, 5)]
    if any(c not in (HIGHLIGHT, NORMAL) for c in colours):
        return None
    lit = [line for line, c in enumerate(colours, 1) if c == HIGHLIGHT]
    return lit[0] if len(lit) == 1 else (0 if not lit else None)


class Session:
    def __init__(self, program, opener_dir):
        environment = dict(os.environ, PATH=opener_dir + ":" + os.environ["PATH"])
        self.process = subprocess.Popen([program], env=environment)
        self.app = wait_for(lambda: application(APP_NAME))
        self.window = self.app and wait_for(lambda: find(self.app, "frame", "Verided DAR Uzed 1.1"))

    def control(self, role, name=None, description=None):
        return find(self.window, role, name, description=description)

    def result(self):
        return self.control("label", description="Your BMI").name

    def answer_box(self, title, message, what):
        """Checks the message box that has opened, then closes it with Enter."""
        alert = wait_for(lambda: find(self.app, "alert"), timeout=5)
        check(alert is not None and alert.name == title, f"{what}: a box titled {title!r}")
        check(alert is not None and find(alert, "label", message) is not None, f"{what}: the box says {message!r}")
        key("Return")
        check(eventually(lambda: find(self.app, "alert") is None), f"{what}: Enter closes the box")


def install_opener(folder):
    """A stand-in xdg-open: records its link, then exits as the file 'mode' says."""
    path = os.path.join(folder, "xdg-open")
    with open(path, "w") as script:
        script.write(f'#!/bin/sh\nprintf "%s" "$1" > "{folder}/opened"\nexit "$(cat "{folder}/mode")"\n')
    os.chmod(path, 0o755)


def start_up(s):
    check(eventually(lambda: "focused" in states(s.control("text", "Height"))), "start-up: the focus is in the height field")
    check("checked" in states(s.control("radio button", "inches")), "start-up: inches selected")
    check("checked" in states(s.control("radio button", "pounds")), "start-up: pounds selected")
    check(s.control("combo box", "Feet / Inches") is not None, "start-up: the height list shows its header")
    check(s.control("combo box", "Stone / Pounds") is not None, "start-up: the weight list shows its header")
    check(s.result() == "", "start-up: no BMI shown")
    check(highlighted(s.window) == 0, "start-up: every status line in normal colours")


def each_unit_pair(s):
    rows = [
        ("68", "inches", "154", "pounds", "23.4", 2),
        ("70", "inches", "68", "kilograms", "21.5", 2),
        ("175", "centimetres", "160", "pounds", "23.7", 2),
        ("180", "centimetres", "100", "kilograms", "30.9", 4),
        ("200", "centimetres", "73.8", "kilograms", "18.5", 2),
        ("1000", "centimetres", "5", "kilograms", ".1", 1),
    ]
    for height, height_unit, weight, weight_unit, shown, line in rows:
        type_into(s.control("text", "Height"), height)
        click(s.control("radio button", height_unit))
        type_into(s.control("text", "Weight"), weight)
        click(s.control("radio button", weight_unit))
        key("Return")
        case = f"{height} {height_unit}, {weight} {weight_unit}"
        check(eventually(lambda: s.result() == shown), f"{case}: shows {shown}")
        check(eventually(lambda: highlighted(s.window) == line), f"{case}: line {line} lit on screen")


def picks_by_keyboard(s):
    click(s.control("text", "Height"))
    key("Tab", "Tab")
    check(eventually(lambda: "focused" in states(find(s.window, "combo box", description="Height in feet and inches"))),
          "Tab Tab reaches the height list")
    key(*["Down"] * 20)
    check(eventually(lambda: text_of(s.control("text", "Height")) == "67"), "a keyboard pick of 5ft 7in writes 67")
    key("Tab", "Tab", "Tab")
    key(*["Down"] * 99)
    check(eventually(lambda: text_of(s.control("text", "Weight")) == "154"), "a keyboard pick of 11 Stone writes 154")
    check("checked" in states(s.control("radio button", "pounds")), "the weight pick selects pounds")
    key("Return")
    check(eventually(lambda: s.result() == "24.1"), "the typical use shows 24.1")
    check(eventually(lambda: highlighted(s.window) == 2), "the typical use lights the Normal line")


def reset_and_message(s):
    click(s.control("radio button", "kilograms"))
    click(s.control("push button", "Reset"))
    check(eventually(lambda: text_of(s.control("text", "Height")) == "" and text_of(s.control("text", "Weight")) == ""),
          "Reset empties both fields")
    check(s.control("combo box", "Feet / Inches") is not None and s.control("combo box", "Stone / Pounds") is not None,
          "Reset puts both lists on their header")
    check("checked" in states(s.control("radio button", "pounds")), "Reset selects pounds again")
    check(s.result() == "" and highlighted(s.window) == 0, "Reset clears the result panel")
    # Enter on a focused button presses that button; from a field it presses CALCULATE
    click(s.control("text", "Height"))
    key("Return")
    s.answer_box("Oops!", "Please Enter Or Select A Value For Both Height And Weight", "Calculate after Reset")


def about_and_back(s):
    type_into(s.control("text", "Height"), "67")
    type_into(s.control("text", "Weight"), "154")
    key("Return")
    check(eventually(lambda: s.result() == "24.1"), "a result is shown before About")
    key("alt+h")
    key("a")
    about = wait_for(lambda: find(s.app, "dialog", "About "), timeout=5)
    check(about is not None, "Alt+H, A opens the About window")
    check(eventually(lambda: "sensitive" not in states(s.window)), "the main window takes no input while About is open")
    key("Escape")
    check(eventually(lambda: find(s.app, "dialog", "About ") is None), "Escape closes the About window")
    check(eventually(lambda: "sensitive" in states(s.window)), "the main window takes input again")
    check(s.result() == "24.1" and highlighted(s.window) == 2, "the shown BMI is untouched")


def opener_exits_with(opener_dir, status):
    with open(os.path.join(opener_dir, "mode"), "w") as mode:
        mode.write(str(status))


def links(s, opener_dir):
    opener_exits_with(opener_dir, 0)
    click(s.control("link", "www.verided.example"))
    opened = os.path.join(opener_dir, "opened")
    check(eventually(lambda: os.path.exists(opened)), "the main window's link reaches the opener")
    check(os.path.exists(opened) and open(opened).read() == "http://www.verided.example/", "the link is the site's root page")
    check(find(s.app, "alert") is None, "a successful open shows nothing")
    opener_exits_with(opener_dir, 4)
    click(s.control("link", "www.verided.example"))
    s.answer_box("Verided DAR Uzed", "No Browser Installed. Cannot Open Web Page.", "a failed open")


def exit_by_menu(s):
    # With no window manager here, nothing hands the focus back after a box closes.
    click(s.control("text", "Height"))
    key("alt+f")
    key("e")
    try:
        code = s.process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, f"File, Exit ends the program at once (exit status {code})")


def main(program):
    with tempfile.TemporaryDirectory() as opener_dir:
        install_opener(opener_dir)
        s = Session(program, opener_dir)
        try:
            if not check(s.window is not None, "the main window appears"):
                return
            for scene in (start_up, each_unit_pair, picks_by_keyboard, reset_and_message, about_and_back):
                scene(s)
            links(s, opener_dir)
            exit_by_menu(s)
        finally:
            if s.process.poll() is None:
                s.process.kill()
                s.process.wait()


if __name__ == "__main__":
    main(sys.argv[1])
    sys.exit(report("end-to-end"))
