"""An Xvfb of the test's own and the X chores of the end-to-end tests.

Every process started through a Session (the server included) is killed when the
session ends, on every path out of the test.
"""

import os
import random
import re
import select
import shutil
import socket
import subprocess
import tempfile
import time

XVFB = shutil.which("Xvfb") or "Xvfb"
DIALOG_TYPE = "_NET_WM_WINDOW_TYPE_DIALOG"

_WINDOW_LINE = re.compile(
    r'^\s+(0x[0-9a-f]+) (?:"(.*)"|\(has no name\)): \(.*\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)')


def _display_in_use(number):
    """Whether an X server has number, by its lock file or its socket. The abstract
    socket is seen even from a sandbox that has a /tmp of its own, where the lock file
    is not."""
    if os.path.exists(f"/tmp/.X{number}-lock"):
        return True
    for address in (f"\0/tmp/.X11-unix/X{number}", f"/tmp/.X11-unix/X{number}"):
        probe = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        try:
            probe.connect(address)
            return True
        except OSError:
            pass
        finally:
            probe.close()
    return False


class TestFailure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def wait_for(probe, timeout, what):
    """Calls probe() until it returns something true; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TestFailure("timed out waiting for " + what)
        time.sleep(0.05)


class Session:
    """An X server of width x height (auto-repeat off unless repeat) and the
    processes of one test. Use as a context manager."""

    def __init__(self, width=1280, height=1024, repeat=False):
        self.width, self.height, self.repeat = width, height, repeat
        self.processes = []
        self.tmp = tempfile.mkdtemp(prefix="particles-e2e-")
        self.env = dict(os.environ)

    def __enter__(self):
        for _ in range(20):
            number = random.randrange(100, 1000)
            if _display_in_use(number):
                continue
            if self._start_server(number):
                self.env["DISPLAY"] = f":{number}"
                self.env.pop("WAYLAND_DISPLAY", None)
                return self
        self.__exit__(None, None, None)
        raise TestFailure("Xvfb did not start")

    def _start_server(self, number):
        read_end, write_end = os.pipe()
        args = [XVFB, f":{number}", "-displayfd", str(write_end), "-screen", "0",
                f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"]
        if not self.repeat:
            args.append("-r")
        log = open(os.path.join(self.tmp, "xvfb.log"), "wb")
        server = subprocess.Popen(args, pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                                  stdout=log, stderr=log)
        log.close()
        os.close(write_end)
        try:
            # The server writes its number and then a newline once it accepts clients,
            # and nothing if it gives up (the number was taken after all). The pipe
            # stays open until the newline: the server dies if it cannot write it.
            answer = b""
            deadline = time.monotonic() + 30
            while not answer.endswith(b"\n"):
                left = deadline - time.monotonic()
                ready, _, _ = select.select([read_end], [], [], max(left, 0))
                chunk = os.read(read_end, 32) if ready else b""
                if not chunk:
                    break
                answer += chunk
            answer = answer.decode().strip()
        finally:
            os.close(read_end)
        if answer == str(number) and server.poll() is None:
            self.processes.append(server)
            return True
        server.kill()
        server.wait()
        return False

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.kill()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    # Processes

    def start(self, args, env=None, stdin=subprocess.DEVNULL, name="program", cwd=None):
        """Starts args with standard output and error captured into files."""
        out = open(os.path.join(self.tmp, name + ".out"), "wb+")
        err = open(os.path.join(self.tmp, name + ".err"), "wb+")
        process = subprocess.Popen(args, env=env or self.env, stdin=stdin, stdout=out, stderr=err,
                                   cwd=cwd)
        process.out_file, process.err_file = out, err
        self.processes.append(process)
        return process

    def start_piped(self, args):
        process = subprocess.Popen(args, env=self.env, stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE, stderr=None, text=True, bufsize=1)
        self.processes.append(process)
        return process

    @staticmethod
    def finish(process, timeout=20):
        """Waits for the end; returns (status, stdout, stderr)."""
        try:
            status = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise TestFailure(f"the program did not end within {timeout} s")
        outputs = []
        for f in (process.out_file, process.err_file):
            f.seek(0)
            outputs.append(f.read().decode(errors="replace"))
        return status, outputs[0], outputs[1]

    # X tools

    def run(self, *args, timeout=20):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=timeout)
        check(result.returncode == 0, f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def windows(self):
        """The windows on the screen, as dicts with id, name, w, h, x, y."""
        found = []
        for line in self.run("xwininfo", "-root", "-tree").splitlines():
            m = _WINDOW_LINE.match(line)
            if m:
                found.append({"id": m.group(1), "name": m.group(2), "w": int(m.group(3)),
                              "h": int(m.group(4)), "x": int(m.group(7)), "y": int(m.group(8))})
        return found

    def properties(self, window_id):
        return self.run("xprop", "-id", window_id)

    def find_window(self, name, dialog, timeout=20):
        """Waits for the mapped window titled name that is (or is not) a dialog."""
        def probe():
            for w in self.windows():
                if w["name"] != name:
                    continue
                try:
                    props = self.properties(w["id"])
                    state = self.run("xwininfo", "-id", w["id"])
                except TestFailure:
                    continue  # gone meanwhile
                if (DIALOG_TYPE in props) == dialog and "IsViewable" in state:
                    w["properties"] = props
                    return w
            return None
        return wait_for(probe, timeout, ("the dialog " if dialog else "the window ") + repr(name))

    def focus(self, window_id):
        self.run("xdotool", "windowfocus", "--sync", window_id)

    def key(self, window_id, *keys):
        self.focus(window_id)
        self.run("xdotool", "key", *keys)

    def answer(self, dialog, choice):
        """Answers the question dialog: Return is Yes, Escape Cancel; No has no key,
        so its button, the middle one of the bottom row, is clicked."""
        if choice == "yes":
            self.key(dialog["id"], "Return")
        elif choice == "cancel":
            self.key(dialog["id"], "Escape")
        else:
            self.focus(dialog["id"])
            self.run("xdotool", "mousemove", "--window", dialog["id"],
                     str(dialog["w"] // 2), str(dialog["h"] - 28))
            self.run("xdotool", "click", "1")
