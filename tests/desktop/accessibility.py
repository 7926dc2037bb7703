#!/usr/bin/python3
"""Reads the program's accessibility tree over AT-SPI, as a screen reader
does, before and after a calculation: the result is announced, the link can
be activated, and a message box is an alert.

Run inside a private D-Bus session with the AT-SPI bus started and an X
server on DISPLAY (run-desktop-test does both): accessibility.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile

from atspi import (Events, application, check, eventually, everything, find, press, report, states,
                   status_line, wait_for)

APP_NAME = "Verided DAR Uzed"


def marked_lines(window):
    """The status lines that read as selected, with what is said after their caption."""
    return {line: status_line(window, line).name.partition(", ")[2] for line in range(1, 5)
            if "selected" in states(status_line(window, line))}


def main(program, opener_dir):
    opened = os.path.join(opener_dir, "opened")
    with open(os.path.join(opener_dir, "xdg-open"), "w") as opener:
        opener.write(f'#!/bin/sh\nprintf "%s" "$1" > "{opened}"\n')
    os.chmod(os.path.join(opener_dir, "xdg-open"), 0o755)
    appearing = Events("object:state-changed:showing")
    process = subprocess.Popen([program], env=dict(os.environ, PATH=opener_dir + ":" + os.environ["PATH"]))
    try:
        app = wait_for(lambda: application(APP_NAME))
        if not check(app is not None, "the program appears on the accessibility bus"):
            return
        window = wait_for(lambda: find(app, "frame", "Verided DAR Uzed 1.1"))
        if not check(window is not None, "the main window is a frame named by its title"):
            return

        height = find(window, "text", "Height")
        weight = find(window, "text", "Weight")
        check(height is not None and weight is not None, "the fields are named Height and Weight")
        check(height is not None and eventually(lambda: "focused" in states(height)),
              "the height field has the focus at start")
        for name, checked in (("inches", True), ("centimetres", False), ("pounds", True), ("kilograms", False)):
            option = find(window, "radio button", name)
            check(option is not None, f"an option button is named {name}")
            if option is not None:
                check(("checked" in states(option)) == checked, f"{name} is {'' if checked else 'not '}selected")
        for shown, description in (("Feet / Inches", "Height in feet and inches"),
                                   ("Stone / Pounds", "Weight in stone and pounds")):
            box = find(window, "combo box", shown)
            check(box is not None and box.description == description,
                  f"the list showing {shown!r} is described as {description!r}")
        banner = find(window, "text", "Verided DAR Uzed")
        check(banner is not None and {"read only"} <= states(banner) and "editable" not in states(banner),
              "the banner is named by its text and read-only, not editable")
        table = [node for node in everything(window) if node.getRoleName() == "panel" and node.name == "4. Weight Status"]
        check(len(table) == 1, "the untitled status table does not take its frame's caption")
        results = [node for node in everything(window) if node.getRoleName() == "label" and node.description == "Your BMI"]
        check(len(results) == 1 and results[0].name == "", "the empty result is described as Your BMI")
        check(marked_lines(window) == {}, "no status line is marked at start")

        height.queryEditableText().setTextContents("67")
        weight.queryEditableText().setTextContents("154")
        press(find(window, "push button", "CALCULATE"))
        check(results and eventually(lambda: results[0].name == "24.1"), "after the calculation the result reads 24.1")
        check(eventually(lambda: marked_lines(window) == {2: "your weight status"}),
              "the Normal line alone reads as selected, and as your weight status")
        check(appearing.arrived(("notification", "Your BMI is 24.1, Normal")),
              "a notification says the result and its status without moving the focus")

        link = find(window, "link", "www.verided.example")
        check(link is not None, "the web address is a link")
        if link is not None:
            press(link)
            check(eventually(lambda: os.path.exists(opened) and open(opened).read() == "http://www.verided.example/"),
                  "activating the link opens the site")

        height.queryEditableText().setTextContents("")
        press(find(window, "push button", "CALCULATE"))
        alert = wait_for(lambda: find(app, "alert"))
        check(alert is not None, "a message box is announced as an alert")
        if alert is not None:
            check(find(alert, "label", "Please Enter Or Select A Height Value") is not None,
                  "the alert carries its message")
            press(find(alert, "push button", "OK"))
    finally:
        process.terminate()
        process.wait(timeout=10)


if __name__ == "__main__":
    with tempfile.TemporaryDirectory() as folder:
        main(sys.argv[1], folder)
    sys.exit(report("accessibility"))
