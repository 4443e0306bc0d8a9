"""End-to-end checks of start-up, each case under an Xvfb of its own:
    startup_e2e.py CASE
The program's path comes from $PARTICLES, the probes' from $STARTUP_PROBE and
$X11_TOOL."""

import math
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import Session, TestFailure, check, wait_for  # noqa: E402

PARTICLES = os.environ["PARTICLES"]
STARTUP_PROBE = os.environ["STARTUP_PROBE"]
X11_TOOL = os.environ["X11_TOOL"]
TITLE = "particles"
WIDTH, HEIGHT = 800, 600


def start_answered(session, program, choice, args=(), cwd=None):
    process = session.start([program, *args], cwd=cwd)
    session.answer(session.find_window(TITLE, dialog=True), choice)
    return process


def end_with_escape(session, process, window):
    session.key(window["id"], "Escape")
    status, out, err = session.finish(process)
    check(status == 0, f"Escape ended with status {status}; stderr: {err}")
    check(out == "", f"something on stdout: {out!r}")
    check(err == "", f"something on stderr: {err!r}")


def case_cancel():
    with Session() as session:
        watcher = session.start_piped([X11_TOOL, "watch"])
        check(watcher.stdout.readline().strip() == "watching", "the window watcher did not start")
        process = session.start([PARTICLES])
        dialog = session.find_window(TITLE, dialog=True)
        session.answer(dialog, "cancel")
        status, out, err = session.finish(process)
        check(status == 0, f"Cancel ended with status {status}; stderr: {err}")
        check(out == "" and err == "", f"output after Cancel: {out!r} {err!r}")
        watcher.stdin.close()
        created = [line.split() for line in watcher.stdout.read().splitlines()]
        # The dialog is the only window the program ever made: no display was opened.
        check([c[1] for c in created] == [dialog["id"]],
              f"windows created besides the dialog {dialog['id']}: {created}")


def case_no():
    with Session(1280, 1024) as session:
        process = start_answered(session, PARTICLES, "no")
        window = session.find_window(TITLE, dialog=False)
        props = window["properties"]
        check((window["w"], window["h"]) == (WIDTH, HEIGHT), f"window size {window}")
        check((window["x"], window["y"]) == ((1280 - WIDTH) // 2, (1024 - HEIGHT) // 2),
              f"window not centred: {window}")
        check(f'WM_NAME(UTF8_STRING) = "{TITLE}"' in props or f'WM_NAME(STRING) = "{TITLE}"' in props
              or f'_NET_WM_NAME(UTF8_STRING) = "{TITLE}"' in props, f"title missing: {props}")
        check(f"program specified minimum size: {WIDTH} by {HEIGHT}" in props and
              f"program specified maximum size: {WIDTH} by {HEIGHT}" in props,
              f"the window can be resized: {props}")
        check("WM_DELETE_WINDOW" in props, "the window has no close request")
        check("_NET_WM_STATE_FULLSCREEN" not in props, "a window was asked for, not fullscreen")
        check(not any(w["name"] == TITLE and w["w"] != WIDTH for w in session.windows()),
              "the dialog is still shown")
        end_with_escape(session, process, window)


def case_yes():
    # A real mode change needs a screen that has an 800x600 mode.
    with Session(WIDTH, HEIGHT) as session:
        process = start_answered(session, PARTICLES, "yes")
        window = session.find_window(TITLE, dialog=False)
        check((window["w"], window["h"], window["x"], window["y"]) == (WIDTH, HEIGHT, 0, 0),
              f"fullscreen window geometry {window}")
        # With no window manager to ask, SDL marks nothing on the window itself; what
        # tells it from an 800x600 window centred on this screen is that the fixed
        # size of a window is gone. (startup_probe checks SDL's fullscreen flag and
        # the mode.)
        check("program specified minimum size" not in window["properties"],
              f"the fixed size of a window: {window['properties']}")
        end_with_escape(session, process, window)


def read_state(path):
    state = {}
    with open(path) as f:
        for line in f:
            name, _, rest = line.strip().partition(" ")
            state[name] = rest.split()
    return state


def perspective(fovy, aspect, near, far):
    f = 1.0 / math.tan(math.radians(fovy) / 2.0)
    return [f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + near) / (near - far), -1,
            0, 0, 2 * far * near / (near - far), 0]


def check_gl_state(state):
    version = " ".join(state["version"])
    check(float(state["version"][0].split(".")[0] + "." + state["version"][0].split(".")[1]) >= 1.1,
          f"GL version {version}")
    check("Core" not in version, f"a core profile has no fixed-function calls: {version}")
    projection = [float(v) for v in state["projection"]]
    expected = perspective(45.0, 4.0 / 3.0, 2.0, 100.0)
    check(all(abs(a - b) < 1e-5 for a, b in zip(projection, expected)),
          f"projection {projection}, expected gluPerspective(45, 4/3, 2, 100) = {expected}")
    identity = [1.0 if i % 5 == 0 else 0.0 for i in range(16)]
    check([float(v) for v in state["modelview"]] == identity, f"modelview {state['modelview']}")
    GL = {"MODELVIEW": 0x1700, "SMOOTH": 0x1D01, "SRC_ALPHA": 0x0302, "ONE": 1}
    expected_values = {
        "matrix_mode": [GL["MODELVIEW"]], "viewport": [0, 0, WIDTH, HEIGHT],
        "shade_model": [GL["SMOOTH"]], "blend_src": [GL["SRC_ALPHA"]], "blend_dst": [GL["ONE"]],
        "depth_test": [0], "texture_2d": [1], "blend": [1], "vertex_array": [1],
        "texture_coord_array": [1], "colour_array": [1], "double_buffer": [1], "gl_error": [0],
    }
    for name, value in expected_values.items():
        check([int(v) for v in state[name]] == value, f"{name} is {state[name]}, expected {value}")
    check([float(v) for v in state["clear_colour"]] == [0.0] * 4, f"clear colour {state['clear_colour']}")
    check(float(state["clear_depth"][0]) == 1.0, f"clear depth {state['clear_depth']}")
    check(int(state["depth_bits"][0]) > 0, "no depth buffer")
    check(state["resizable"] == ["0"], "the display can be resized")


def gl_state(choice, width, height, fullscreen):
    with Session(width, height) as session:
        path = os.path.join(session.tmp, "state")
        # Started elsewhere, the program still works in its own directory.
        process = start_answered(session, STARTUP_PROBE, choice, [path], cwd=session.tmp)
        status, out, err = session.finish(process)
        check(status == 0, f"probe status {status}; stderr: {err}")
        check(out == "", f"something on stdout: {out!r}")
        state = read_state(path)
        program_directory = os.path.dirname(os.path.realpath(STARTUP_PROBE))
        check(state["cwd"] == [program_directory],
              f"working directory {state['cwd']}, not the program's {program_directory}")
        check_gl_state(state)
        check(state["fullscreen"] == [fullscreen], f"fullscreen flag {state['fullscreen']}")
        if fullscreen == "1":
            mode = [int(v) for v in state["mode"]]
            check(mode[:2] == [WIDTH, HEIGHT] and mode[2] in (32, 24), f"fullscreen mode {mode}")


def case_gl_state_window():
    gl_state("no", 1280, 1024, "0")


def case_gl_state_fullscreen():
    gl_state("yes", WIDTH, HEIGHT, "1")


def case_close_request():
    with Session() as session:
        process = start_answered(session, PARTICLES, "no")
        window = session.find_window(TITLE, dialog=False)
        session.run(X11_TOOL, "close", window["id"])
        time.sleep(1.0)  # ample time for the program to act on it, had it meant to
        check(process.poll() is None, "the close request ended the program")
        check(any(w["id"] == window["id"] for w in session.windows()), "the window went away")
        end_with_escape(session, process, window)


def expect_display_failure(env):
    with Session() as session:
        process = session.start([PARTICLES], env=env)
        status, out, err = session.finish(process)
        check(status != 0, "a run without a display ended with status 0")
        check(out == "", f"something on stdout: {out!r}")
        lines = err.splitlines()
        check(lines and lines[-1].startswith("Unable to set display mode: ") and len(lines[-1]) > 28,
              f"expected the display-mode error with its reason, got {err!r}")


def case_no_display():
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    expect_display_failure(env)


def case_dummy_driver():
    # A display exists, but SDL is told to use a driver that shows nothing.
    with Session() as session:
        for driver in ("offscreen", "dummy"):
            expect_display_failure(dict(session.env, SDL_VIDEODRIVER=driver))


CASES = {name[len("case_"):]: f for name, f in globals().items() if name.startswith("case_")}

if __name__ == "__main__":
    if len(sys.argv) != 2 or sys.argv[1] not in CASES:
        sys.exit(f"usage: startup_e2e.py {'|'.join(CASES)}")
    try:
        CASES[sys.argv[1]]()
    except (TestFailure, subprocess.TimeoutExpired) as failure:
        sys.exit(f"FAILED: {failure}")
    print("passed")
