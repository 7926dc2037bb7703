#!/usr/bin/python3
"""Types 170 cm and 70 kg into the program with X input alone and reads the
BMI it shows, as a screen reader reads it: calculation.py PROGRAM"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "desktop"))
from atspi import ProgramTest, extents, main  # noqa: E402


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


class Calculation(ProgramTest):
    def test_170_centimetres_and_70_kilograms(self):
        x, y, width, height = extents(self.control("text", "Height"))
        xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")
        # Height, its unit, past the list to the weight, its unit, CALCULATE.
        xdotool("type", "--delay", "30", "170")
        xdotool("key", "--delay", "100", "Tab", "Down", "Tab", "Tab")
        xdotool("type", "--delay", "30", "70")
        xdotool("key", "--delay", "100", "Tab", "Down", "Return")
        result = self.control("label", description="Your BMI")
        self.assertEventually(lambda: result.name == "24.2", "170 cm and 70 kg show a BMI of 24.2")


if __name__ == "__main__":
    main()
