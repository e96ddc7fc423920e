#!/usr/bin/env python3
"""End to end: the built program in a real X server, driven with real input events.

The user's road through the window: load a text file through the menu "Tekst" and the open
dialog, press (1), (2) and (3), type a base name, press the diskette and close "Baza zapisana!";
the recording list, the register and the structures file must then hold exactly the expected
bytes. Then (4) must start sampler.exe from the working directory with no argument and end the
program with status 0.

Everything happens in a fresh temporary directory and a private Xvfb. On failure a screenshot,
the program's output and the working directory are kept in the output folder.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

import expected_base
from window_layout import WindowLayout
from x_display import Failure, XDisplay, stop, wait_for

MAIN_WINDOW_TITLE = ".:: Difonik ::."
STEP_TIMEOUT = 30.0


class Scene:
    """The folders a run works in: the program's working directory and the text beside it."""

    def __init__(self, root, sampler):
        self.root = root
        self.work = os.path.join(root, "work")
        # Outside the working directory: the base must still land there after the dialog.
        self.text = os.path.join(root, "texts", "tekst.txt")
        self.record = os.path.join(self.work, "sampler-record.txt")
        self.home = os.path.join(root, "home")
        os.makedirs(os.path.join(self.work, "sample"))
        os.makedirs(os.path.dirname(self.text))
        os.makedirs(self.home)
        write_bytes(self.text, expected_base.TEXT)
        write_bytes(self.register(), expected_base.REGISTER_BEFORE)
        # The compiled stand-in records argv[0] as well; the program looks in its working
        # directory once its own folder holds no sampler.exe.
        shutil.copy(sampler, os.path.join(self.work, "sampler.exe"))
        os.chmod(os.path.join(self.work, "sampler.exe"), 0o755)

    def register(self):
        return os.path.join(self.work, "sample", "baza.txt")

    def sample_folder(self):
        return os.path.join(os.fsencode(self.work), b"sample")

    def base_folder(self):
        # The base name goes to the file system as its Windows-1250 bytes.
        return os.path.join(self.sample_folder(), self.base_name())

    def base_name(self):
        return expected_base.BASE_NAME.encode(expected_base.ENCODING)


def write_bytes(path, data):
    with open(path, "wb") as file:
        file.write(data)


def read_bytes(path):
    try:
        with open(path, "rb") as file:
            return file.read()
    except OSError as error:
        raise Failure(f"cannot read {os.fsdecode(path)}: {error}") from error


def expect_bytes(what, path, expected):
    actual = read_bytes(path)
    if actual != expected:
        raise Failure(f"{what} differs from the expected bytes\n"
                      f"  expected {len(expected)} bytes: {expected!r}\n"
                      f"  actual   {len(actual)} bytes: {actual!r}")


def expect_entries(what, folder, expected):
    """The folder holds exactly these names: no temporary file was left beside the real ones."""
    actual = sorted(os.listdir(folder))
    if actual != sorted(expected):
        raise Failure(f"{what} holds {actual!r}, expected {sorted(expected)!r}")


class Run:
    """One pass along the user's road, with the program under test in the private display."""

    def __init__(self, arguments, display, scene):
        self.arguments = arguments
        self.display = display
        self.scene = scene
        self.program = None
        self.started = time.monotonic()
        self.shots = 0

    def step(self, text):
        print(f"[{time.monotonic() - self.started:6.2f} s] {text}", flush=True)

    def snapshot(self, label):
        if self.arguments.screenshots:
            self.shots += 1
            self.display.screenshot(os.path.join(self.arguments.output,
                                                 f"{self.shots:02d}-{label}.png"))

    def program_environment(self):
        environment = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DIFONIK_SAMPLER_RELEASE"):
            environment.pop(name, None)
        runtime = os.path.join(self.scene.root, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        environment.update(self.display.environment())
        environment.update({
            "QT_QPA_PLATFORM": "xcb",
            # The lists follow the collation of the user's locale.
            "LC_ALL": "pl_PL.UTF-8",
            "LANG": "pl_PL.UTF-8",
            # Qt's file dialog keeps its history under the home folder: not the real one.
            "HOME": self.scene.home,
            "XDG_CONFIG_HOME": os.path.join(self.scene.home, ".config"),
            "XDG_RUNTIME_DIR": runtime,
            "DIFONIK_SAMPLER_RECORD": self.scene.record,
        })
        return environment

    def start_program(self):
        beside = os.path.join(os.path.dirname(self.arguments.program), "sampler.exe")
        if os.path.exists(beside):
            raise Failure(f"{beside} would be started instead of the stand-in in the working "
                          "directory; remove it")
        log = open(os.path.join(self.arguments.output, "difonik.log"), "wb")
        with log:
            self.program = subprocess.Popen([self.arguments.program], cwd=self.scene.work,
                                            env=self.program_environment(), stdout=log,
                                            stderr=subprocess.STDOUT)

    def windows(self, what):
        """The program's visible windows, or None when the search broke; fails once it ended."""
        if self.program.poll() is not None:
            raise Failure(f"the program ended with status {self.program.returncode} "
                          f"while waiting for {what}")
        return self.display.visible_windows(self.program.pid)

    def program_state(self):
        if self.program is None:
            return "not started"
        if self.program.poll() is None:
            return "running"
        return f"ended with status {self.program.returncode}"

    def wait_for_new_window(self, what, known):
        """The program's one visible window that is not among known."""
        def new_window():
            windows = self.windows(what)
            if windows is None:
                return None
            others = [window for window in windows if window not in known]
            return others[0] if len(others) == 1 else None
        return wait_for(what, new_window, STEP_TIMEOUT)

    def wait_until_alone(self, main, what):
        """Waits until the main window is the program's only one again. A popup that outlives
        its dialog, such as the file name completion, would take the next click for itself."""
        what = f"{what} to close"
        wait_for(what, lambda: self.windows(what) == [main], STEP_TIMEOUT)

    def open_main_window(self):
        self.step("start the program")
        self.start_program()
        main = self.wait_for_new_window("the main window", known=[])
        name = self.display.window_name(main)
        if name != MAIN_WINDOW_TITLE:
            raise Failure(f"the first window is called {name!r}, not {MAIN_WINDOW_TITLE!r}")
        self.layout = WindowLayout(self.arguments.window_description,
                                   *self.display.window_size(main))
        self.step(f"main window {main}: scale {self.layout.scale:.2f}, "
                  f"menu bar {self.layout.menu_height} px")
        self.snapshot("started")
        return main

    def click(self, window, control):
        self.display.click(window, *self.layout.centre(control))

    def load_text(self, main):
        self.step("menu Tekst (Alt+T)")
        self.display.focus(main)
        self.display.key("alt+t")
        menu = self.wait_for_new_window("the menu Tekst to open", known=[main])
        self.snapshot("menu")
        self.step("Otworz z pliku (O)")
        self.display.key("o")
        dialog = self.wait_for_new_window("the open dialog", known=[main, menu])
        self.step(f"open dialog {self.display.window_name(dialog)!r}: type the text's full path")
        self.display.focus(dialog)
        self.display.type(self.scene.text)
        self.snapshot("dialog")
        self.display.key("Return")
        self.wait_until_alone(main, "the open dialog")

    def analyse(self, main):
        for button in ("button1", "button2", "Button3"):
            self.step(f"click {button}")
            self.click(main, button)

    def save_base(self, main):
        self.step(f"type the base name {expected_base.BASE_NAME!r}")
        self.display.focus(main)
        self.click(main, "edit_nazwa")
        self.display.type(expected_base.BASE_NAME)
        self.step("click the diskette SpeedButton1")
        self.click(main, "SpeedButton1")
        box = self.wait_for_new_window("the confirmation box", known=[main])
        self.snapshot("saved")
        self.step("close the confirmation with Enter")
        self.display.focus(box)
        self.display.key("Return")
        self.wait_until_alone(main, "the confirmation box")

    def check_base(self):
        self.step("check the saved base")
        base = self.scene.base_folder()
        expect_entries("the sample directory", self.scene.sample_folder(),
                       [b"baza.txt", self.scene.base_name()])
        expect_entries("the base directory", base, [b"do_nagrania.txt", b"Struktury.dat"])
        expect_bytes("do_nagrania.txt", os.path.join(base, b"do_nagrania.txt"),
                     expected_base.RECORDING_LIST)
        expect_bytes("the register sample/baza.txt", self.scene.register(),
                     expected_base.REGISTER_AFTER)
        expect_bytes("Struktury.dat", os.path.join(base, b"Struktury.dat"),
                     expected_base.STRUCTURES)

    def hand_off(self, main):
        self.step("click Button4 (4)")
        self.click(main, "Button4")
        try:
            status = self.program.wait(STEP_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after (4)") from None
        if status != 0:
            raise Failure(f"the program ended with status {status} after (4), not 0")
        self.step("the program ended with status 0; check the sampler's record")
        # The record exists only if the sampler got the program's environment, which names it.
        record_path = self.scene.record
        record = wait_for("the sampler's record",
                          lambda: os.path.exists(record_path) and read_bytes(record_path),
                          STEP_TIMEOUT)
        expected = (f"argv0=sampler.exe\nargc=0\n"
                    f"cwd={os.path.realpath(self.scene.work)}\n").encode()
        if record != expected:
            raise Failure(f"the sampler was started otherwise than expected\n"
                          f"  expected {expected!r}\n  recorded {record!r}")

    def road(self):
        main = self.open_main_window()
        self.load_text(main)
        self.analyse(main)
        self.save_base(main)
        self.check_base()
        self.hand_off(main)
        self.step("passed")

    def keep_evidence(self):
        """What tells why a run failed: the screen, and the working directory as it was."""
        server = "running" if self.display.running() else "ended"
        print(f"the program: {self.program_state()}; Xvfb on {self.display.name}: {server}",
              file=sys.stderr)
        try:
            self.display.screenshot(os.path.join(self.arguments.output, "failure.png"))
        except Exception as error:  # the evidence must not hide the failure itself
            print(f"no screenshot: {error}", file=sys.stderr)
        shutil.copytree(self.scene.root, os.path.join(self.arguments.output, "scene"),
                        symlinks=True, dirs_exist_ok=True)

    def close(self):
        if self.program is not None:
            stop(self.program)


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the difonik executable")
    parser.add_argument("--sampler", required=True, help="the compiled stand-in sampler")
    parser.add_argument("--window-description", required=True, help="resources/TDifonik.ui")
    parser.add_argument("--output", required=True, help="folder for logs and screenshots")
    parser.add_argument("--screenshots", action="store_true",
                        help="keep a screenshot of every stage, not only of a failure")
    arguments = parser.parse_args()
    for name in ("program", "sampler", "window_description", "output"):
        setattr(arguments, name, os.path.abspath(getattr(arguments, name)))
    return arguments


def main():
    arguments = parse_arguments()
    shutil.rmtree(arguments.output, ignore_errors=True)
    os.makedirs(arguments.output)
    root = tempfile.mkdtemp(prefix="difonik-e2e-")
    display = None
    run = None
    try:
        display = XDisplay(os.path.join(arguments.output, "xvfb.log"))
        run = Run(arguments, display, Scene(root, arguments.sampler))
        run.road()
        return 0
    except Exception as error:
        if isinstance(error, Failure):
            print(f"FAILED: {error}", file=sys.stderr)
        else:
            traceback.print_exc()
        if run is not None:
            run.keep_evidence()
        print(f"screenshot, program output and working directory in {arguments.output}",
              file=sys.stderr)
        return 1
    finally:
        if run is not None:
            run.close()
        if display is not None:
            display.close()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
