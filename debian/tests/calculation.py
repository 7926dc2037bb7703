#!/usr/bin/python3
"""Types 170 cm and 70 kg into the program with X input alone and reads the
BMI it shows, as a screen reader reads it: calculation.py PROGRAM"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "desktop"))
from atspi import ProgramTest, click, main, xdotool  # noqa: E402


class Calculation(ProgramTest):
    def test_170_centimetres_and_70_kilograms(self):
        click(self.control("text", "Height"))
        # Height, its unit, past the list to the weight, its unit, CALCULATE.
        xdotool("type", "--delay", "30", "170")
        xdotool("key", "--delay", "100", "Tab", "Down", "Tab", "Tab")
        xdotool("type", "--delay", "30", "70")
        xdotool("key", "--delay", "100", "Tab", "Down", "Return")
        result = self.control("label", description="Your BMI")
        self.assertEventually(lambda: result.name == "24.2", "170 cm and 70 kg show a BMI of 24.2")


if __name__ == "__main__":
    main()
