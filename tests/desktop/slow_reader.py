#!/usr/bin/python3
"""A screen reader that takes its time over every key and then leaves it to
the program, as a busy one does. Says "listening" once it listens."""
import time

import pyatspi


def answer(_event):
    time.sleep(0.3)
    return False


pyatspi.Registry.registerKeystrokeListener(answer, mask=pyatspi.allModifiers(),
                                           kind=(pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT),
                                           synchronous=True, preemptive=True)
print("listening", flush=True)
pyatspi.Registry.start()
