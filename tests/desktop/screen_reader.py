#!/usr/bin/python3
"""Operates the program by keys with the real screen reader running, and
checks what the reader says at each step, as a blind user hears it.

Run by run-desktop-test (an X server and a private session with the
accessibility bus): screen_reader.py PROGRAM. It starts a window manager, a
private speech service that speaks to no device, and Orca with a debug log,
in which every utterance is a line "SPEECH OUTPUT: '...'". Prints the
transcript of each step. The steps are one use of the program, in order.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from atspi import ProgramTest, eventually, main, text_of
from orca import orca_platform

ORCA = int(orca_platform.version.split(".")[0])
# at-spi2-core 2.56, beside Orca 48, names the push-button role "button".
BUTTON = "button" if ORCA >= 48 else "push button"
# Orca 48 names the status-bar role in two words.
STATUS_BAR = "status bar" if ORCA >= 48 else "statusbar"
# Orca 48 says a newly selected option in one utterance.
CENTIMETRES = "centimetres selected radio button" if ORCA >= 48 else "centimetres. | selected radio button"
# Orca 48 names a window that the focus comes back to without its role.
BACK_IN_WINDOW = "Verided DAR Uzed 1.1" if ORCA >= 48 else "Verided DAR Uzed 1.1 frame"
# Under Qt 6.8 About's lines are its text, which Orca 48 reads without naming the dialog.
ABOUT_OPENS = "Verided DAR Uzed. Version 1.1." if ORCA >= 48 else "About  dialog"

# Where am I on a closed list, said whole: the list, its entry and what it is for.
WHERE_AM_I_ON_A_LIST = ('5ft 7" combo box 5ft 7" | 1 of 1. | Height in feet and inches' if ORCA >= 48
                        else '5ft 7" combo box. | Height in feet and inches')


def picked(entry, place):
    """A closed list's new entry: Qt 6.8 tells it to Orca 48, which says the
    list by its entry and then the entry; under Qt 6.4 the program says it."""
    return f"{entry} combo box {entry}" if ORCA >= 48 else f"{entry}, {place}"


# Each step: its name, the keys pressed one at a time ("type:" types its text
# a character at a time; keys that share an entry are pressed at once after
# each other, as a double press), the phrases the reader says in answer, each
# as many times as it is listed ("|" parts one utterance from the next), and
# what fields hold afterwards, where a step checks that.
STEPS = [
    ("start", [], ["Verided DAR Uzed 1.1 frame", "Height text"]),
    ("a Tab round", ["Tab"] * 8,
     ["Click To Select Inches", "selected radio button", "Feet / Inches combo box", "Weight text",
      "Click To Select Pounds", "selected radio button", "Stone / Pounds combo box", f"CALCULATE {BUTTON}",
      f"Reset {BUTTON}", "Height text"]),
    ("a unit change", ["Tab", "Down"], [CENTIMETRES]),
    ("a closed-list pick", ["Tab"] + ["Down"] * 20, [picked('5ft 7"', "21 of 50")]),
    # Basic, then detailed: of a list, both say the same.
    ("where am I on a list", ["KP_Enter KP_Enter"], [WHERE_AM_I_ON_A_LIST] * 2),
    ("a filled field read whole", ["shift+Tab", "shift+Tab"], ["67 selected"]),
    ("CALCULATE", ["Tab", "Tab", "Tab", "type:154", "Return"], ["Your BMI is 24.1, Normal"]),
    ("the result on demand", ["Insert+KP_Enter Insert+KP_Enter"], [f"Your BMI is 24.1, Normal {STATUS_BAR}"]),
    ("the highlighted line in review", ["KP_Up"] + ["KP_Prior"] * 7, ["Normal, your weight status"]),
    ("the link through the reader", ["KP_Prior", "KP_Divide"],
     ["www.verided.example", "alert Verided DAR Uzed", "No Browser Installed. Cannot Open Web Page."]),
    ("the failure closed", ["Return"], [BACK_IN_WINDOW, "Weight text"]),
    ("a zero weight", ["ctrl+a", "0", "Return"],
     ["Result cleared", "alert Oops!", "Please Enter Or Select A Height And Weight Other Than Zero", f"OK {BUTTON}"]),
    ("the message closed", ["Return"], ["Weight text"]),
    ("centimetres typed", ["shift+Tab", "shift+Tab", "Down", "shift+Tab", "ctrl+a", "type:170"],
     [CENTIMETRES, "Height text"]),
    ("a stone found by typing", ["Tab", "Tab", "Tab", "Tab", "Tab", "1"], ["Stone / Pounds combo box", picked("10 Stone", "86 of 352")]),
    ("CALCULATE from the list", ["Return"], ["Your BMI is 22.0, Normal"]),
    ("the result on demand at CALCULATE", ["Tab", "Insert+KP_Enter Insert+KP_Enter"],
     [f"CALCULATE {BUTTON}", f"Your BMI is 22.0, Normal {STATUS_BAR}"]),
    ("the result on demand at Reset", ["Tab", "Insert+KP_Enter Insert+KP_Enter"],
     [f"Reset {BUTTON}", f"Your BMI is 22.0, Normal {STATUS_BAR}"], {"Height": "170"}),
    ("Reset", ["space"], ["Fields and result cleared"]),
    ("no result on demand", ["Insert+KP_Enter Insert+KP_Enter"], [f"No BMI shown {STATUS_BAR}"]),
    ("About", ["alt+h", "a"],
     [ABOUT_OPENS, "Verided DAR Uzed.", "Version 1.1.", "Copyright", "Contact: info@verided.example.",
      "Web Site: www.verided.example/software.", f"OK {BUTTON}"]),
    ("the e-mail link through the reader", ["KP_Up", "KP_Home", "KP_Home", "KP_Right", "KP_Divide"],
     ["Contact: info@verided.example", "alert Verided DAR Uzed", "No Default Email Program Enabled or Installed"]),
    ("its failure closed", ["Return"], [ABOUT_OPENS]),
    ("the web link through the reader", ["KP_Up", "KP_Home", "KP_Right", "KP_Right", "KP_Divide"],
     ["Web Site: www.verided.example/software", "alert Verided DAR Uzed", "No Browser Installed. Cannot Open Web Page."]),
    ("that failure closed", ["Return"], [ABOUT_OPENS]),
    ("About closed", ["Escape"], [BACK_IN_WINDOW]),
]

# What the program itself says, heard only where a step lists it: a key of the
# reader's that reached the window would say one of these unasked.
TOLD = [r"Your BMI is \d", "Fields and result cleared", "Result cleared", "Oops!", "alert "]

# What the links activated on the way are handed to the desktop as.
LINKS_OPENED = ["http://www.verided.example/", "mailto:info@verided.example?subject=Verided DAR Uzed",
                "http://www.verided.example/software"]

# A step's answer comes within this long of its last key: a bound on when,
# not a measure of speed, loose enough for a machine busy on both cores and a
# sanitized build, whose keys wait for the reader's answer before they act.
ANSWER_BOUND = 10

class Reader:
    """A private speech service and Orca, logging what Orca says."""

    def __init__(self, folder):
        self.log = os.path.join(folder, "orca.log")
        home = os.path.join(folder, "home")
        conf = os.path.join(folder, "speechd")
        os.makedirs(home)
        shutil.copytree("/etc/speech-dispatcher", conf)
        with open(os.path.join(conf, "speechd.conf"), "a") as settings:
            settings.write('\nAudioOutputMethod "libao"\n')
        with open(os.path.join(home, ".libao"), "w") as libao:
            libao.write("default_driver=null\n")
        environment = dict(os.environ, HOME=home)
        self.speech = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C", conf], env=environment,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # A copy of Orca that writes its log a line at a time, at the level that
        # has what it says (every event it handles would slow it down), and
        # that runs beside any other reader of this user: it has a display and
        # a session bus of its own.
        orca = os.path.join(folder, "orca")
        with open("/usr/bin/orca") as source, open(orca, "w") as copy:
            copy.write(source.read()
                       .replace("open(args.debug_file, 'w')", "open(args.debug_file, 'w', buffering=1)")
                       .replace("debug.debugLevel = debug.LEVEL_ALL", "debug.debugLevel = debug.LEVEL_INFO")
                       .replace("if otherOrcas():", "if False:"))
        self.orca = subprocess.Popen([sys.executable, orca, "-u", os.path.join(folder, "prefs"), "--debug-file", self.log],
                                     env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        eventually(lambda: "Screen reader on" in self.heard(0), timeout=30)

    def wait_until_quiet(self, quiet=1.0, bound=10):
        """Until the reader's log has not grown for `quiet` seconds: it has
        done with what it was told."""
        end = time.time() + bound
        size, since = self.position(), time.time()
        while time.time() < end and time.time() - since < quiet:
            time.sleep(0.05)
            if self.position() != size:
                size, since = self.position(), time.time()

    def position(self):
        return os.path.getsize(self.log) if os.path.exists(self.log) else 0

    def heard(self, position):
        """What the reader has said since `position`, one utterance from the next parted by "|"."""
        return " | ".join(said.strip() for said in self.said_since(position) if said.strip())

    def said_since(self, position):
        if not os.path.exists(self.log):
            return []
        with open(self.log, errors="replace") as log:
            log.seek(position)
            return [m.group(1) for m in re.finditer(r"SPEECH OUTPUT: '(.*?)'", log.read())]

    def stop(self):
        for process in (self.orca, self.speech):
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()


MODIFIERS = {"alt", "ctrl", "shift"}

# What the reader echoes of the keys that move the focus, before it tells the
# control the focus has moved to.
ECHOES = {"tab", "left shift"}


def press(keys, reader):
    """Presses each key as a person does, once the reader has heard the one
    before and done with it; after Tab, once it has told where the focus went,
    which a slow sanitized program may do seconds after the reader's echo of
    the key. A modifier is held until the reader has heard it. A key of the
    reader's own review is held until the reader has acted on it: its release,
    sent while the reader clicks, would wait on the reader as the reader waits
    on the click. Returns when the last key went down."""
    def send(*command):
        start, went = reader.position(), time.time()
        subprocess.run(["xdotool", *command], check=True)
        eventually(lambda: reader.position() != start, timeout=2)
        if command[-1] == "Tab":
            eventually(lambda: {said.strip() for said in reader.said_since(start)} - ECHOES - {""}, timeout=ANSWER_BOUND)
        reader.wait_until_quiet(quiet=0.6)
        return went

    pressed = time.time()
    for key in keys:
        for entry in list(key[5:]) if key.startswith("type:") else [key]:
            *held, last = entry.split("+")
            if held and set(held) <= MODIFIERS:
                send("keydown", *held)
                pressed = send("key", last)
                subprocess.run(["xdotool", "keyup", *held], check=True)
            elif entry.startswith("KP_") and " " not in entry:
                pressed = send("keydown", entry)
                subprocess.run(["xdotool", "keyup", entry], check=True)
            else:
                pressed = send("key", *entry.split())
    return pressed


class ScreenReader(ProgramTest):
    # An opener that fails, so that activating the link is answered by a message.
    opener_exit = 3

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.window_manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                              stderr=subprocess.DEVNULL)
        cls.reader = Reader(cls.folder.name)
        # The review keys are those of the keypad with Num Lock off (KP_Up for 8).
        if re.search(r"Num Lock:\s+on", subprocess.run(["xset", "q"], capture_output=True, text=True).stdout):
            subprocess.run(["xdotool", "key", "Num_Lock"], check=True)
        # A key held down while the reader answers it must not repeat.
        subprocess.run(["xset", "r", "off"], check=True)

    @classmethod
    def tearDownClass(cls):
        cls.reader.stop()
        cls.window_manager.terminate()
        cls.window_manager.wait()
        cls.folder.cleanup()

    def setUp(self):
        # The first step hears the window open.
        self.heard_from = self.reader.position()
        super().setUp()

    def answer(self, phrases, pressed):
        """What the reader says from the last step on: once it has said every
        phrase, or has had ANSWER_BOUND seconds since the last key went to, and
        has then gone quiet (so that a phrase said again is heard too)."""
        end = pressed + ANSWER_BOUND
        while time.time() < end and not all(p in self.reader.heard(self.heard_from) for p in phrases):
            time.sleep(0.05)
        answered = all(p in self.reader.heard(self.heard_from) for p in phrases)
        self.reader.wait_until_quiet()
        # Taken before the read, so that nothing said in between is lost.
        position = self.reader.position()
        heard = self.reader.heard(self.heard_from)
        self.heard_from = position
        return answered, heard

    def test_steps(self):
        self.reader.wait_until_quiet()
        for name, keys, phrases, *fields in STEPS:
            answered, heard = self.answer(phrases, press(keys, self.reader))
            print(f"{name}: {heard}", flush=True)
            with self.subTest(step=name):
                self.assertTrue(answered, f"said within {ANSWER_BOUND} s of the last key")
                for phrase in dict.fromkeys(phrases):
                    self.assertEqual(heard.count(phrase), phrases.count(phrase), f"times said: {phrase}")
                for told in TOLD:
                    self.assertEqual(len(re.findall(told, heard)), len(re.findall(told, " | ".join(phrases))),
                                     f"times said: {told}")
                for field, text in (fields[0] if fields else {}).items():
                    self.assertEqual(text_of(self.control("text", field)), text, f"the {field} field kept")
        self.assertEqual(self.opened_links(), LINKS_OPENED, "each link activated opens once")


if __name__ == "__main__":
    main()
