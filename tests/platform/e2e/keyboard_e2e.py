"""End-to-end checks of keyboard polling against the real SDL event queue: xdotool
types into the window of keyboard_probe (see keyboard_probe.cpp), which answers
SdlKeyboard's queries.
    keyboard_e2e.py CASE"""

import os
import select
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import Session, TestFailure, check  # noqa: E402

KEYBOARD_PROBE = os.environ["KEYBOARD_PROBE"]
X11_TOOL = os.environ["X11_TOOL"]
A, B, D = ord("A"), ord("B"), ord("D")

# xdotool's key name, and the virtual-key code the program must see.
KEYS = [("a", ord("A")), ("z", ord("Z")), ("h", ord("H")), ("1", ord("1")), ("9", ord("9")),
        ("0", ord("0")), ("Escape", 27), ("space", 32), ("Left", 37), ("Up", 38),
        ("Right", 39), ("Down", 40), ("equal", 187)]


class Probe:
    def __init__(self, session):
        self.session = session
        self.process = session.start_piped([KEYBOARD_PROBE])
        self.window = hex(int(self.ask("window")))

    def ask(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()
        ready, _, _ = select.select([self.process.stdout], [], [], 20)
        answer = self.process.stdout.readline().strip() if ready else ""
        check(answer != "", f"no answer from the probe to {line!r}")
        return answer

    def sync(self):
        check(self.ask("sync") == "ok", "sync failed")

    def pressed(self, code):
        return int(self.ask(f"pressed {code}"))

    def held(self, code):
        return self.ask(f"held {code}") == "1"

    def focus_seen(self, focused):
        check(self.ask(f"focus {1 if focused else 0}") == "ok",
              f"the probe never saw the focus {'come' if focused else 'go'}")

    def xdotool(self, *args):
        self.session.run("xdotool", *args)
        self.sync()


def focused_probe(session):
    probe = Probe(session)
    session.focus(probe.window)
    probe.focus_seen(True)
    return probe


def case_taps():
    with Session() as session:
        probe = focused_probe(session)
        for name, code in KEYS:
            probe.xdotool("key", name)  # down and up, both before the next pump
            check(probe.pressed(code) == 1, f"a tap of {name} is not one press of {code}")
            check(probe.pressed(code) == 0, f"the query did not reset the count of {name}")
            check(not probe.held(code), f"{name} is held after its tap")
        probe.xdotool("key", "--delay", "5", "a", "a", "a")
        check(probe.pressed(A) == 3, "three taps between two queries are not three presses")
        probe.xdotool("keydown", "b")
        check(probe.held(B) and probe.pressed(B) == 1, "a key down is not held and pressed")
        check(probe.held(B), "held is not kept between queries")
        probe.xdotool("keyup", "b")
        check(not probe.held(B) and probe.pressed(B) == 0, "a key up left the key held or pressed")


def case_repeat_ignored():
    with Session(repeat=True) as session:
        probe = focused_probe(session)
        probe.xdotool("keydown", "a")
        time.sleep(1.5)  # well past the server's repeat delay: many repeats come
        probe.sync()
        check(probe.held(A), "a key held down is not held")
        check(probe.pressed(A) == 1, "the server's key repeat counted as presses")
        probe.xdotool("keyup", "a")
        check(not probe.held(A) and probe.pressed(A) == 0, "the key is still down after key-up")


def focus_switch(repeat):
    with Session(repeat=repeat) as session:
        probe = focused_probe(session)
        other = session.start_piped([X11_TOOL, "window"])
        other_window = other.stdout.readline().strip()
        check(other_window.startswith("0x"), "the other client's window did not open")

        probe.xdotool("key", "d")  # a press that nobody asks for before the switch
        probe.xdotool("keydown", "a")
        check(probe.held(A), "the key is not held before the switch")

        session.focus(other_window)
        probe.focus_seen(False)
        check(not probe.held(A), "a held key survived the loss of focus")
        check(probe.pressed(A) == 0 and probe.pressed(D) == 0, "presses survived the loss of focus")

        time.sleep(1.0)  # the key stays down in the other application
        session.focus(probe.window)
        probe.focus_seen(True)
        time.sleep(0.5)  # long enough for the server's repeats to come in, where on
        probe.sync()
        check(not probe.held(A), "a key held across the switch counts as held")
        check(probe.pressed(A) == 0, "a key held across the switch counts as pressed")

        probe.xdotool("key", "b")
        check(probe.pressed(B) == 1, "another key's press after the switch was lost")

        probe.xdotool("keyup", "a")
        check(not probe.held(A) and probe.pressed(A) == 0, "the key-up of the stale key counted")
        probe.xdotool("keydown", "a")
        check(probe.held(A) and probe.pressed(A) == 1, "the stale key's next press was lost")
        probe.xdotool("keyup", "a")
        check(not probe.held(A), "the key is held after its key-up")


def case_focus_with_repeat():
    focus_switch(repeat=True)


# Without server repeat SDL drops the stale key's key-up (it had forgotten the key);
# the next press must count all the same.
def case_focus_without_repeat():
    focus_switch(repeat=False)


CASES = {name[len("case_"):]: f for name, f in globals().items() if name.startswith("case_")}

if __name__ == "__main__":
    if len(sys.argv) != 2 or sys.argv[1] not in CASES:
        sys.exit(f"usage: keyboard_e2e.py {'|'.join(CASES)}")
    try:
        CASES[sys.argv[1]]()
    except (TestFailure, subprocess.TimeoutExpired) as failure:
        sys.exit(f"FAILED: {failure}")
    print("passed")
