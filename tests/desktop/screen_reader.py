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

from atspi import ProgramTest, eventually, main

# Each step: its name, the keys pressed (text after "type:" is typed; keys
# that share an entry are pressed at once after each other, as a double press;
# "close:messages" is explained in close_messages; "again" lets the step be
# pressed once more, after Escape, where the reader lost a key, as it may when
# it answers the toolkit late), and the phrases that must be among what the
# reader says in answer.
STEPS = [
    ("start", [], ["Verided DAR Uzed 1.1 frame", "Height text"]),
    ("a Tab round", ["Tab"] * 8,
     ["inches", "selected radio button", "Feet / Inches combo box", "Weight text", "pounds",
      "Stone / Pounds combo box", "CALCULATE push button", "Reset push button", "Height text"]),
    ("a unit change", ["Tab", "Down"], ["centimetres", "selected radio button"]),
    ("a closed-list pick", ["Tab"] + ["Down"] * 20, ['5ft 7", 21 of 50']),
    ("a filled field read whole", ["shift+Tab", "shift+Tab"], ["67 selected"]),
    ("CALCULATE", ["Tab", "Tab", "Tab", "type:154", "Return"], ["Your BMI is 24.1, Normal"]),
    ("the result on demand", ["Insert+KP_Enter Insert+KP_Enter"], ["Your BMI is 24.1, Normal statusbar"]),
    ("the highlighted line in review", ["KP_8"] + ["KP_9"] * 7, ["Normal, your weight status"]),
    ("the link through the reader", ["KP_9", "KP_Divide"],
     ["www.verided.example", "alert Verided DAR Uzed", "No Browser Installed. Cannot Open Web Page."]),
    ("the failure closed", ["close:messages"], ["Verided DAR Uzed 1.1 frame"]),
    ("an empty-field CALCULATE", ["ctrl+a", "BackSpace", "Return"],
     ["alert Oops!", "Please Enter Or Select A Weight Value", "OK push button"]),
    ("the message closed", ["Return"], ["Weight text"]),
    ("About", ["alt+h", "a", "again"],
     ["About  dialog", "Verided DAR Uzed.", "Version 1.1.", "Copyright", "Contact: info@verided.example.",
      "Web Site: www.verided.example/software.", "OK push button"]),
    ("About closed", ["Escape"], ["Verided DAR Uzed 1.1 frame"]),
]


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
        # Orca writes its log fully buffered; this copy of it writes a line at a time.
        orca = os.path.join(folder, "orca")
        with open("/usr/bin/orca") as source, open(orca, "w") as copy:
            copy.write(re.sub(r"open\(args\.debug_file, 'w'\)", "open(args.debug_file, 'w', buffering=1)", source.read()))
        self.orca = subprocess.Popen([sys.executable, orca, "-u", os.path.join(folder, "prefs"), "--debug-file", self.log],
                                     env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        eventually(lambda: self.has_said(0, ["Screen reader on"]), timeout=30)

    def wait_until_quiet(self, quiet=1.0, bound=10):
        """Until the reader's log has not grown for `quiet` seconds: it has
        done with what it was told."""
        end = time.time() + bound
        size, since = self.position(), time.time()
        while time.time() < end and time.time() - since < quiet:
            time.sleep(0.1)
            if self.position() != size:
                size, since = self.position(), time.time()

    def position(self):
        return os.path.getsize(self.log) if os.path.exists(self.log) else 0

    def has_said(self, position, phrases):
        heard = " ".join(self.said_since(position))
        return all(phrase in heard for phrase in phrases)

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


def close_messages(reader):
    """Orca clicks a reviewed link with the pointer and then checks that the
    pointer moved; where that check reads the pointer too soon, it also presses
    the link, which then opens twice, and two failure messages follow. Enter
    closes them until the main window is said again."""
    for _ in range(3):
        start = reader.position()
        subprocess.run(["xdotool", "key", "Return"], check=True)
        time.sleep(1.5)
        if not any(line.startswith("alert") for line in reader.said_since(start)):
            return


def press(keys, reader):
    for key in keys:
        if key == "close:messages":
            close_messages(reader)
        elif key.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "80", key[5:]], check=True)
        else:
            subprocess.run(["xdotool", "key", *key.split()], check=True)
        time.sleep(0.4)


class ScreenReader(ProgramTest):
    # An opener that fails, so that activating the link is answered by a message.
    opener_exit = 3

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.window_manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                              stderr=subprocess.DEVNULL)
        cls.reader = Reader(cls.folder.name)
        # The review keys are those of the keypad with Num Lock off.
        if re.search(r"Num Lock:\s+on", subprocess.run(["xset", "q"], capture_output=True, text=True).stdout):
            subprocess.run(["xdotool", "key", "Num_Lock"], check=True)

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

    def listen(self, phrases):
        """What the reader has said since the last step, once it has said every
        phrase or has had ten seconds to (a busy reader may answer late), and
        has then gone quiet."""
        eventually(lambda: self.reader.has_said(self.heard_from, phrases), timeout=10)
        self.reader.wait_until_quiet()
        # Taken before the read, so that nothing said in between is lost.
        position = self.reader.position()
        said = self.reader.said_since(self.heard_from)
        self.heard_from = position
        return said

    def test_steps(self):
        self.reader.wait_until_quiet()
        for name, keys, phrases in STEPS:
            press([key for key in keys if key != "again"], self.reader)
            said = self.listen(phrases)
            if "again" in keys and not all(phrase in " ".join(said) for phrase in phrases):
                print(f"{name}, unanswered: " + " | ".join(s for s in said if s.strip()), flush=True)
                press(["Escape", "Escape"] + [key for key in keys if key != "again"], self.reader)
                said = self.listen(phrases)
            print(f"{name}: " + " | ".join(s for s in said if s.strip()), flush=True)
            heard = " ".join(said)
            for phrase in phrases:
                with self.subTest(step=name, phrase=phrase):
                    self.assertIn(phrase, heard)


if __name__ == "__main__":
    # Orca runs once per user; a reader of the person running the tests is left alone.
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode == 0:
        print("SKIP: a screen reader of this user is running already")
        sys.exit(77)
    main()
