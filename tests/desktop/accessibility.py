#!/usr/bin/python3
"""Reads the program's accessibility tree over AT-SPI, as a screen reader
does, before and after a calculation, and checks a message box is an alert.

Run inside a private D-Bus session with the AT-SPI bus started and an X
server on DISPLAY (run-desktop-test does both): accessibility.py PROGRAM
"""
import subprocess
import sys

from atspi import (application, check, eventually, everything, find, press, report, states,
                   status_line, wait_for)

APP_NAME = "Verided DAR Uzed"


def status_descriptions(window):
    return {line: status_line(window, line).description for line in range(1, 5)}


def main(program):
    process = subprocess.Popen([program])
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
        results = [node for node in everything(window) if node.getRoleName() == "label" and node.description == "Your BMI"]
        check(len(results) == 1 and results[0].name == "", "the empty result is described as Your BMI")
        check(set(status_descriptions(window).values()) == {""}, "no status line is current at start")

        height.queryEditableText().setTextContents("67")
        weight.queryEditableText().setTextContents("154")
        press(find(window, "push button", "CALCULATE"))
        check(results and eventually(lambda: results[0].name == "24.1"), "after the calculation the result reads 24.1")
        check(eventually(lambda: status_descriptions(window) == {1: "", 2: "Current weight status", 3: "", 4: ""}),
              "the Normal line alone is described as the current weight status")

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
    main(sys.argv[1])
    sys.exit(report("accessibility"))
