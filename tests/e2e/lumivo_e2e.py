"""Drives the real lumivo program from outside, as a person would: a virtual X display, a real
HTTP server on 127.0.0.1, xdotool for the mouse and the keyboard, screenshots for the looks."""

import contextlib
import functools
import http.server
import os
import shutil
import signal
import subprocess
import tempfile
import threading
import time

TWIPS_PER_PIXEL = 15
LUMIVO = os.environ.get("LUMIVO_BIN", "lumivo")
ARTIFACTS = os.environ.get("LUMIVO_E2E_ARTIFACTS", tempfile.gettempdir())
os.makedirs(ARTIFACTS, exist_ok=True)
MAIN_TITLE = ("Lumivo   ver 8.0           För Distanstester och Självstudier av LABBAR"
              "                                            2008-03-18")


def px(twips):
    return round(twips / TWIPS_PER_PIXEL)


def wait_for(what, predicate, timeout=15.0, step=0.05):
    """Polls until predicate() gives a true value, which it returns; fails after the timeout."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(step)


class Display:
    """An Xvfb server on a display number it picks itself."""

    def __init__(self, width=1280, height=1024):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"], pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.name = f":{number}"

    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.name
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def close(self):
        self.proc.terminate()
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.proc.wait(5)
        if self.proc.poll() is None:
            self.proc.kill()


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class WebServer:
    """A static web server on 127.0.0.1 serving one folder, in a thread of the test."""

    def __init__(self, folder):
        handler = functools.partial(_QuietHandler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        self.address = f"http://127.0.0.1:{self.httpd.server_address[1]}/"

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Screen:
    """A screenshot as RGB pixels."""

    def __init__(self, display, save_as=None):
        ppm = subprocess.run(["import", "-display", display.name, "-window", "root", "-depth", "8",
                              "ppm:-"],
                             check=True, capture_output=True).stdout
        if save_as:
            subprocess.run(["convert", "ppm:-", save_as], input=ppm, check=True)
        # P6 header: magic, width, height, maxval, each separated by white space.
        fields, pos = [], 0
        while len(fields) < 4:
            while ppm[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not ppm[pos:pos + 1].isspace():
                pos += 1
            fields.append(ppm[start:pos])
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return "#%02X%02X%02X" % tuple(self.data[i:i + 3])


class Lumivo:
    """The real program on the display, with its working folder and the server of its tests."""

    def __init__(self, display, server_address, workdir, name="lumivo"):
        self.display = display
        self.workdir = workdir
        self.log = open(os.path.join(ARTIFACTS, f"{name}.log"), "w")
        self.proc = subprocess.Popen(
            [LUMIVO, "--server", server_address, "--workdir", workdir], env=display.env(),
            cwd=workdir, stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)
        self.origin = None

    # --- windows ---

    def xdo(self, *args, check=True):
        return subprocess.run(["xdotool", *args], env=self.display.env(), capture_output=True,
                              text=True, check=check).stdout

    def windows(self, title_regex):
        out = self.xdo("search", "--onlyvisible", "--name", title_regex, check=False)
        return [w for w in out.split() if w]

    def wait_window(self, title_regex, timeout=20.0):
        self.check_alive()
        return wait_for(f"a window titled {title_regex!r}",
                        lambda: self.check_alive() or (self.windows(title_regex) or [None])[-1],
                        timeout)

    def wait_no_window(self, title_regex, timeout=20.0):
        wait_for(f"no window titled {title_regex!r}", lambda: not self.windows(title_regex),
                 timeout)

    def geometry(self, window):
        out = self.xdo("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def check_alive(self):
        if self.proc.poll() is not None:
            raise AssertionError(f"lumivo ended early with code {self.proc.returncode}")
        return None

    # --- the keyboard ---

    def answer_input(self, title_regex, text):
        """Types an answer into the input box with the given title and presses OK (Return)."""
        window = self.wait_window(title_regex)
        self.xdo("windowfocus", "--sync", window, check=False)
        self.xdo("key", "ctrl+a")  # the box may come with a default text
        if text:
            self.xdo("type", "--delay", "20", text)
        self.xdo("key", "Return")
        self.wait_no_window(title_regex)

    def cancel_input(self, title_regex):
        window = self.wait_window(title_regex)
        self.xdo("windowfocus", "--sync", window, check=False)
        self.xdo("key", "Escape")
        self.wait_no_window(title_regex)

    def message_text_and_ok(self, timeout=20.0):
        """Waits for a message box and presses OK; returns nothing (the text is not readable
        from outside without accessibility), but the caller knows which message to expect."""
        window = self.wait_window("^Lumivo$", timeout)
        self.xdo("windowfocus", "--sync", window, check=False)
        self.xdo("key", "Return")
        self.wait_no_window("^Lumivo$")

    def type_text(self, text):
        self.xdo("type", "--delay", "20", text)

    # --- the mouse, in twips of the main window's client area ---

    def main_window(self):
        return self.wait_window("^Lumivo   ver 8.0")

    def find_origin(self):
        """The client area's top-left corner on screen: below the menu bar, where the window's
        background colour #000040 starts, at the right edge, which the start picture leaves bare."""
        def look():
            x, y, w, h = self.geometry(self.main_window())
            shot = Screen(self.display)
            column = x + w - 3
            for row in range(y, y + min(h, 80)):
                if shot.pixel(column, row) == "#000040":
                    return (x, row)
            return None
        self.origin = wait_for("the main window's client area", look)
        return self.origin

    def point(self, left, top):
        if self.origin is None:
            self.find_origin()
        return self.origin[0] + px(left), self.origin[1] + px(top)

    def click_at(self, left, top, button=1, double=False):
        x, y = self.point(left, top)
        self.xdo("mousemove", "--sync", str(x), str(y))
        time.sleep(0.05)
        if double:
            self.xdo("click", "--repeat", "2", "--delay", "80", str(button))
        else:
            self.xdo("click", str(button))
        time.sleep(0.15)

    def click_control(self, left, top, width, height, **kw):
        """Clicks the middle of a control given by its place in twips."""
        self.click_at(left + width // 2, top + height // 2, **kw)

    def screenshot(self, name):
        return Screen(self.display, os.path.join(ARTIFACTS, name))

    def wait_ended(self, timeout=20.0):
        wait_for("lumivo to end", lambda: self.proc.poll() is not None, timeout)
        return self.proc.returncode

    def close(self):
        if self.proc.poll() is None:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.proc.pid, signal.SIGTERM)
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, signal.SIGKILL)
                self.proc.wait(5)
        self.log.close()


def copy_tree(src, dst):
    shutil.copytree(src, dst, dirs_exist_ok=True)
