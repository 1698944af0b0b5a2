#!/usr/bin/env python3
"""The real program, started as a user starts it, on an X server of its own
(Xvfb), with settings files that came from outside: a pipe, a valid record
padded to 1 GiB, a bad file after an earlier bad one. Every start must reach
the main window, every exit must end the program normally, and no bytes of the
user's files may be lost.

    real_program_on_x.py KELO DATA_TREE
"""
import ctypes
import os
import stat
import subprocess
import sys
import tempfile
import time

KELO, TREE = (os.path.abspath(arg) for arg in sys.argv[1:3])
SCREEN = "1024x768x24"
ESC_LABEL = (916, 744)  # "Esc" in the bottom row of the main window, at 1024 x 768
SI_BUTTON = (460, 216)  # "SI" of the exit question
SI_FACE = (425, 210)  # a point of that button beside its caption
SI_COLOUR = 0xFFC0C0  # the button's colour, there once the question shows
GIB = 1 << 30
started = []  # every Kelo started, killed at the end should one still run


def fail(why):
    sys.exit(f"FAILED: {why}")


def until(condition, what, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    fail(f"no {what} within {seconds} s")


class Screen:
    """An Xvfb server on a free display, read through Xlib and driven by xdotool."""

    def __init__(self):
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", SCREEN, "-nolisten", "tcp"],
            pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            self.display = ":" + f.readline().strip()
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.c_void_p
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + [
            ctypes.c_ulong, ctypes.c_int]
        x11.XGetPixel.restype = ctypes.c_ulong
        x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.x11 = x11
        self.connection = x11.XOpenDisplay(self.display.encode())
        if not self.connection:
            fail(f"cannot open the display {self.display}")

    def pixel(self, x, y):
        z_pixmap, all_planes = 2, 0xFFFFFFFF
        image = self.x11.XGetImage(self.connection, self.x11.XDefaultRootWindow(self.connection), x, y, 1, 1,
                                   all_planes, z_pixmap)
        return self.x11.XGetPixel(image, 0, 0) & 0xFFFFFF if image else None

    def xdotool(self, *args):
        done = subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.display},
                              capture_output=True, text=True)
        return done.stdout.split()

    def visible_windows(self, name):
        return self.xdotool("search", "--onlyvisible", "--name", name)

    def click(self, at):
        self.xdotool("mousemove", str(at[0]), str(at[1]), "click", "1")

    def close(self):
        self.server.terminate()
        self.server.wait()


def start_and_leave(screen, folder):
    """Starts Kelo in `folder`, answers every message with Enter, leaves through
    Esc and SI as soon as the main window is up; the messages' titles and the
    exit status."""
    env = {**os.environ, "DISPLAY": screen.display, "QT_QPA_PLATFORM": "xcb", "SDL_AUDIODRIVER": "dummy"}
    kelo = subprocess.Popen([KELO], cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    started.append(kelo)
    titles = []

    def answer_messages():
        for window in screen.visible_windows("."):
            title = " ".join(screen.xdotool("getwindowname", window))
            if title != "Kelo":
                titles.append(title)
                screen.xdotool("key", "Return")
        return kelo.poll() is not None

    def question_up():
        if answer_messages():
            fail(f"Kelo ended before it was asked to, with status {kelo.returncode}")
        if len(screen.visible_windows("^Kelo$")) != 1:  # the splash still over the main window
            return False
        if screen.pixel(*SI_FACE) != SI_COLOUR:
            screen.click(ESC_LABEL)
        return screen.pixel(*SI_FACE) == SI_COLOUR

    until(question_up, "exit question after the main window", 60)
    screen.click(SI_BUTTON)
    until(answer_messages, "end of the program after SI")
    return titles, kelo.returncode


def main():
    factory = open(os.path.join(TREE, "Dati", "User.txt"), "rb").read()
    screen = Screen()
    try:
        with tempfile.TemporaryDirectory() as folder:
            data = os.path.join(folder, "Kelo 2020", "Dati")
            os.makedirs(data)
            for sub in ("Grafica", "Suoni", "Kelo", "Impostazioni", "Melodie"):
                os.symlink(os.path.join(TREE, sub), os.path.join(folder, "Kelo 2020", sub))
            with open(os.path.join(data, "Kelo.ini"), "wb") as f:
                f.write(open(os.path.join(TREE, "Dati", "Kelo.ini"), "rb").read())
            user = os.path.join(data, "User.txt")

            # A pipe is never opened, so nothing waits on it, and never replaced.
            os.mkfifo(user)
            titles, status = start_and_leave(screen, folder)
            if status != 0 or not titles:
                fail(f"with a pipe: exit status {status}, messages {titles}")
            if not stat.S_ISFIFO(os.lstat(user).st_mode):
                fail("the pipe was replaced")
            os.remove(user)

            # A valid record padded with zero bytes to 1 GiB is refused unread and put aside.
            with open(user, "wb") as f:
                f.write(factory)
                f.truncate(GIB)
            titles, status = start_and_leave(screen, folder)
            if status != 0 or not titles:
                fail(f"with a padded file: exit status {status}, messages {titles}")
            if os.path.getsize(user + ".bad") != GIB or open(user, "rb").read() != factory:
                fail("the padded file was not kept aside, or the exit did not save the factory settings")

            # Another bad start keeps both copies.
            with open(user, "wb") as f:
                f.write(b"hello\r\n")
            titles, status = start_and_leave(screen, folder)
            if status != 0 or not titles:
                fail(f"with a second bad file: exit status {status}, messages {titles}")
            if os.path.getsize(user + ".bad") != GIB or open(user + ".bad.2", "rb").read() != b"hello\r\n":
                fail("the second bad file replaced the first copy, or was not kept")
    finally:
        for kelo in started:
            kelo.kill()
            kelo.wait()
        screen.close()
    print("three starts from outside files reached the main window and ended normally")


if __name__ == "__main__":
    main()
