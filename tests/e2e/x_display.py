"""A private X server (Xvfb) and real input events into it through xdotool.

Xvfb runs on a display number that no other server holds; it tells through -displayfd when it
accepts connections. No window manager runs: xdotool's windowfocus sets the X input focus
directly, and Qt places its dialogs itself.
"""

import os
import random
import subprocess
import time


class Failure(Exception):
    """A step of the scenario did not go as a user would see it go."""


def wait_for(what, probe, timeout=30.0, interval=0.05):
    """Polls probe() until it gives something true and returns that; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


class XDisplay:
    """Xvfb on a free display, with the xdotool and ImageMagick commands that act on it."""

    def __init__(self, log_path, width=1280, height=1024):
        self._server = None
        with open(log_path, "wb") as log:
            for number in _free_display_numbers():
                self._server = _start_server(number, f"{width}x{height}x24", log)
                if self._server is not None:
                    break
        if self._server is None:
            raise Failure("Xvfb found no free display; see its log")
        self.name = f":{number}"

    def close(self):
        if self._server is not None:
            stop(self._server)

    def running(self):
        return self._server is not None and self._server.poll() is None

    def environment(self):
        return {"DISPLAY": self.name}

    def _run(self, *arguments, check=True):
        environment = dict(os.environ, DISPLAY=self.name)
        done = subprocess.run(list(arguments), env=environment, capture_output=True, text=True,
                              timeout=30)
        if check and done.returncode != 0:
            raise Failure(f"{' '.join(arguments)} failed: {done.stderr.strip()}")
        return done.stdout

    def visible_windows(self, pid):
        """The ids of the mapped top-level windows of a process, or None when the search broke.

        A window that closes while xdotool looks at it makes the search fail with an X error and
        list nothing; that says nothing about the windows, so the caller asks again.
        """
        environment = dict(os.environ, DISPLAY=self.name)
        done = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                              env=environment, capture_output=True, text=True, timeout=30)
        # Finding nothing is answered with status 1 and no message.
        if done.returncode != 0 and done.stderr.strip():
            return None
        return [int(line) for line in done.stdout.split()]

    def window_name(self, window):
        return self._run("xdotool", "getwindowname", str(window)).rstrip("\n")

    def window_size(self, window):
        shell = self._run("xdotool", "getwindowgeometry", "--shell", str(window))
        values = dict(line.split("=", 1) for line in shell.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def focus(self, window):
        self._run("xdotool", "windowfocus", "--sync", str(window))

    def key(self, *keys):
        self._run("xdotool", "key", "--clearmodifiers", *keys)

    def type(self, text):
        self._run("xdotool", "type", "--delay", "20", text)

    def click(self, window, x, y):
        """A left click at (x, y) relative to the window's top-left corner."""
        self._run("xdotool", "mousemove", "--window", str(window), str(x), str(y),
                  "click", "1")

    def screenshot(self, path):
        self._run("import", "-window", "root", path)


def _free_display_numbers(tries=20):
    """Display numbers that no server seems to hold, away from the low ones people pick by hand."""
    numbers = random.sample(range(100, 1000), tries)
    return [number for number in numbers
            if not os.path.exists(f"/tmp/.X{number}-lock")
            and not os.path.exists(f"/tmp/.X11-unix/X{number}")]


def _start_server(number, screen, log):
    """Xvfb on the display, once it accepts connections; None when another server holds it."""
    read_end, write_end = os.pipe()
    # 96 dots per inch: the window's layout is given for that density. Without -noreset the
    # server resets whenever its last client leaves, and refuses the program if it connects just
    # then, as it may right after an xdotool call.
    server = subprocess.Popen(
        ["Xvfb", f":{number}", "-displayfd", str(write_end), "-screen", "0", screen,
         "-dpi", "96", "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT)
    os.close(write_end)
    try:
        # Xvfb writes the number once it listens, and nothing when it cannot have the display.
        with os.fdopen(read_end, "rb") as ready:
            announced = ready.readline()
    except BaseException:
        stop(server)
        raise
    if announced.strip() == str(number).encode():
        return server
    stop(server)
    return None


def stop(process, grace=5.0):
    """Ends a process that this test started: politely first, then for certain."""
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
