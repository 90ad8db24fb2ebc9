#!/usr/bin/env python3
"""Drives the real client under Wine with X input, against the development update server.

One scenario, every step checked: first start without a settings file, login with the demo
account, disconnect, the help menu, the fixed frame, minimise and restore, and closing.
Screenshots of the window before and after the login are left in the state directory.
"""
import argparse
import hashlib
import os
import re
import shutil
import subprocess
import sys
import time

CLIENT_WIDTH = 254
# Positions inside the client area, from the window's layout: the centres of the controls.
USER_NAME_BOX = (72 + 55, 52 + 9)
PASSWORD_BOX = (72 + 55, 84 + 9)
LOGIN_BUTTON = (18 + 23, 120 + 11)
DISCONNECT_BUTTON = (74 + 23, 120 + 11)
# The skinned title bar and the menu bar at the top of the client area.
TITLE_BAR_MIDDLE = (100, 10)
HELP_MENU = (72, 30)
MINIMISE_BUTTON = (226, 9)
CLOSE_BUTTON = (242, 9)

FIRST_START_FILE = b"\r\n\r\n1\r\n0\r\n127.0.0.1\r\n"
CONNECTED_FILE = b"demo\r\ntarnwick\r\n1\r\n1\r\n127.0.0.1\r\n"
DISCONNECTED_FILE = b"demo\r\ntarnwick\r\n1\r\n0\r\n127.0.0.1\r\n"
DEMO_DIGEST = hashlib.md5(b"tarnwick").hexdigest()


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message, flush=True)


def wait_for(predicate, seconds=30.0):
    """Polls until the predicate holds; returns its last value."""
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.2)


class Session:
    def __init__(self, args):
        self.args = args
        self.state = os.path.realpath(args.state)
        self.testbed = os.path.join(self.state, "testbed")
        self.settings = os.path.join(self.testbed, "prefix", "drive_c", "windows", "system32", "tarnwick.ini")
        self.server_log = os.path.join(self.state, "devserver.log")
        self.server = None
        self.client = None
        self.env = None

    # --- the surroundings -------------------------------------------------------------

    def start(self):
        os.makedirs(self.state, exist_ok=True)
        subprocess.run([os.path.join(self.args.testbed, "testbed-start"), self.testbed], check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        with open(os.path.join(self.testbed, "display")) as display:
            number = display.read().strip()
        self.env = dict(os.environ, DISPLAY=":" + number, WINEPREFIX=os.path.join(self.testbed, "prefix"),
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
                        LANG="zh_CN.UTF-8", LC_ALL="zh_CN.UTF-8")
        with open(self.server_log, "wb") as log:
            self.server = subprocess.Popen([self.args.devserver, "--port", str(self.args.port)],
                                           stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        listening = wait_for(lambda: "listening" in self.log_text() or self.server.poll() is not None, 10)
        check(listening and self.server.poll() is None,
              "the update server listens on 127.0.0.1:%s" % self.args.port)

    def stop(self):
        for process in (self.client, self.server):
            if process is not None and process.poll() is None:
                process.kill()
                process.wait()
        subprocess.run([os.path.join(self.args.testbed, "testbed-stop"), self.testbed],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def log_text(self):
        with open(self.server_log, "rb") as log:
            return log.read().decode("utf-8", "replace")

    def settings_bytes(self):
        try:
            with open(self.settings, "rb") as file:
                return file.read()
        except FileNotFoundError:
            return None

    # --- X -----------------------------------------------------------------------------

    def x(self, *words):
        result = subprocess.run(["xdotool", *map(str, words)], env=self.env, capture_output=True, text=True,
                                stdin=subprocess.DEVNULL, timeout=30)
        return result.stdout

    def window_ids(self, visible=True):
        flags = ["--onlyvisible"] if visible else []
        return self.x("search", *flags, "--class", os.path.basename(self.args.client).lower()).split()

    def geometry(self):
        fields = dict(line.split("=", 1) for line in self.x("getwindowgeometry", "--shell", self.window).split())
        return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])

    def client_origin(self):
        # The window has no system caption (the skinned form draws its own title bar), so its
        # frame is an equal border all round.
        x, y, width, _ = self.geometry()
        border = (width - CLIENT_WIDTH) // 2
        return x + border, y + border

    def click(self, point, repeat=1):
        left, top = self.client_origin()
        self.x("mousemove", "--sync", left + point[0], top + point[1])
        time.sleep(0.2)
        self.x("click", "--repeat", repeat, "--delay", 80, 1)
        time.sleep(0.3)

    def screenshot(self, name):
        path = os.path.join(self.state, name)
        subprocess.run(["import", "-window", self.window, path], env=self.env, check=True,
                       stdin=subprocess.DEVNULL, timeout=30)
        return path

    def screen_area(self, left, top, width, height):
        """The pixels of a piece of the screen, as raw bytes."""
        return subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                               "rgb:-"], env=self.env, capture_output=True, check=True,
                              stdin=subprocess.DEVNULL, timeout=30).stdout

    # --- the scenario --------------------------------------------------------------------

    def run(self):
        self.start()
        if os.path.exists(self.settings):
            os.remove(self.settings)
        self.client = subprocess.Popen(["wine", self.args.client], env=self.env, cwd=self.state,
                                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        windows = wait_for(self.window_ids, 120)
        check(len(windows) == 1, "the client shows one window")
        self.window = windows[0]
        check(wait_for(lambda: self.settings_bytes() == FIRST_START_FILE, 20),
              "the first start creates the settings file with its defaults")
        time.sleep(1)
        self.screenshot("main-window-not-connected.png")

        self.click(USER_NAME_BOX)
        self.x("type", "--delay", 60, "demo")
        self.click(PASSWORD_BOX)
        self.x("type", "--delay", 60, "tarnwick")
        self.click(LOGIN_BUTTON)
        login = re.compile(r"^GET /lo\.php\?user=demo&pass=%s&c=md5&ver=1\.7\.1&str=\d{12} -> 200 login "
                           r"\(127\.0\.0\.1\)$" % DEMO_DIGEST, re.M)
        check(wait_for(lambda: login.search(self.log_text()), 20),
              "the server saw the login request of the demo account")
        check(wait_for(lambda: self.settings_bytes() == CONNECTED_FILE, 10),
              "the settings file holds the name, the password, state 1 and the address")
        time.sleep(1)
        self.screenshot("main-window-connected.png")

        self.click(DISCONNECT_BUTTON)
        quit_request = re.compile(r"^GET /lo\.php\?user=demo&pass=%s&c=md5&q=quit&ver=1\.7\.1&str=\d{12} -> 200 "
                                  r"quit \(127\.0\.0\.1\)$" % DEMO_DIGEST, re.M)
        check(wait_for(lambda: quit_request.search(self.log_text()), 20),
              "the server saw the quit request of the demo account")
        check(wait_for(lambda: self.settings_bytes() == DISCONNECTED_FILE, 10),
              "after the disconnect the settings file holds state 0")
        check(len(login.findall(self.log_text())) == 1, "the disconnect sent no further login")

        self.check_help_menu()
        self.check_fixed_size()
        self.check_minimise_and_restore()

        settings_before = self.settings_bytes()
        stamp_before = os.stat(self.settings).st_mtime_ns
        self.click(CLOSE_BUTTON)
        try:
            self.client.wait(timeout=30)
        except subprocess.TimeoutExpired:
            pass
        check(self.client.poll() is not None, "the close button ends the program")
        check(not self.window_ids(visible=False), "no window of the program is left")
        check(self.settings_bytes() == settings_before and os.stat(self.settings).st_mtime_ns == stamp_before,
              "closing leaves the settings file as it was")
        requests = self.log_text().count("GET ")
        check(requests == 2, "closing sent no request (the server saw %d in all)" % requests)

    def below_menu_bar(self):
        left, top = self.client_origin()
        return self.screen_area(left, top + 44, 200, 100)

    def check_help_menu(self):
        before = self.below_menu_bar()
        self.click(HELP_MENU)
        check(wait_for(lambda: self.below_menu_bar() != before, 10), "a click on the help menu opens it")
        left, top = self.client_origin()
        subprocess.run(["import", "-window", "root", "-crop", "260x160+%d+%d" % (left, top),
                        os.path.join(self.state, "help-menu-open.png")], env=self.env, check=True,
                       stdin=subprocess.DEVNULL, timeout=30)
        self.x("key", "Escape")
        check(wait_for(lambda: self.below_menu_bar() == before, 10), "Escape closes the help menu again")

    def check_fixed_size(self):
        # A user resizes by dragging the frame; the fixed dialog frame must not follow.
        x, y, width, height = self.geometry()
        self.x("mousemove", "--sync", x + width - 1, y + height - 1)
        self.x("mousedown", 1)
        self.x("mousemove", "--sync", x + width + 120, y + height + 90)
        self.x("mouseup", 1)
        time.sleep(1)
        check(self.geometry() == (x, y, width, height), "dragging the frame's corner does not resize the window")
        self.click(TITLE_BAR_MIDDLE, repeat=2)
        time.sleep(1)
        check(self.geometry()[2:] == (width, height), "a double click on the title bar does not maximise the window")

    def check_minimise_and_restore(self):
        normal = self.geometry()
        self.click(MINIMISE_BUTTON)
        # Without a window manager Wine shows a minimised window as a small caption at the
        # bottom of the screen; a click on it opens its window menu, whose default item (Enter)
        # restores the window, as on Windows.
        iconic = wait_for(lambda: (lambda g: g if g[2] < normal[2] and g[3] < normal[3] else None)(self.geometry()), 10)
        check(iconic, "the minimise button minimises the window")
        self.x("mousemove", "--sync", iconic[0] + iconic[2] // 2, iconic[1] + iconic[3] // 2)
        time.sleep(0.2)
        self.x("click", 1)
        time.sleep(1)
        self.x("key", "Return")
        restored = wait_for(lambda: self.geometry() == normal, 10)
        check(restored, "its window menu restores it at its place and size")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--client", "--devserver", "--port", "--state", "--testbed"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    for program in ("xdotool", "import", "wine", "Xvfb", args.devserver, args.client):
        if shutil.which(program) is None and not os.path.isfile(program):
            print("missing program:", program, file=sys.stderr)
            return 1
    session = Session(args)
    try:
        session.run()
    except Failure as failure:
        print("FAILED:", failure, file=sys.stderr)
        print("update server log:\n" + session.log_text(), file=sys.stderr)
        return 1
    finally:
        session.stop()
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
