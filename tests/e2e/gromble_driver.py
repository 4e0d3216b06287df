"""Drives the real gromble.exe under Wine as a person does: keys, clicks, menus,
message boxes and file dialogs through xdotool on the X display, and reads back
what the program wrote and what it shows."""

import os
import shutil
import subprocess
import time

CLIENT_WIDTH = 240
CAPTION_HEIGHT = 19      # Wine's caption bar, between the top frame and the client area
BAR_TOP = 268
LIST_TOP = 62
HEADER_HEIGHT = 18
ROW_HEIGHT = 17


class JourneyFailure(AssertionError):
    pass


def run(*args, check=True):
    result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            stdin=subprocess.DEVNULL, text=True)
    if check and result.returncode != 0:
        raise JourneyFailure("%s failed with %d" % (" ".join(args), result.returncode))
    return result.stdout


def windows_named(title):
    out = run("xdotool", "search", "--name", "^%s$" % title, check=False)
    return [w for w in out.split() if w]


def wait_for(predicate, what, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise JourneyFailure("timed out waiting for " + what)


def windows_path(path):
    """Wine sees the Linux file system as drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Window:
    """A top-level Wine window; client coordinates from its frame and known client width."""

    def __init__(self, window_id, client_width):
        self.id = window_id
        out = run("xdotool", "getwindowgeometry", "--shell", window_id)
        geometry = dict(line.split("=", 1) for line in out.split())
        self.x, self.y = int(geometry["X"]), int(geometry["Y"])
        border = (int(geometry["WIDTH"]) - client_width) // 2
        self.client_x = self.x + border
        self.client_y = self.y + border + CAPTION_HEIGHT

    def click(self, x, y, button=1):
        run("xdotool", "mousemove", str(self.client_x + x), str(self.client_y + y))
        time.sleep(0.05)
        run("xdotool", "click", str(button))
        time.sleep(0.25)


class Gromble:
    def __init__(self, exe, folder, screenshots):
        self.exe = exe
        self.folder = folder
        self.screenshots = screenshots
        self.process = None
        self.window = None

    # Starting and ending

    def start(self):
        if windows_named("Gromble"):
            raise JourneyFailure("another Gromble window is already open")
        self.process = subprocess.Popen(["wine", self.exe], cwd=self.folder, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window_id = wait_for(lambda: (windows_named("Gromble") or [None])[0], "the main window")
        time.sleep(0.5)
        self.window = Window(window_id, CLIENT_WIDTH)
        return self

    def wait_until_closed(self, timeout=20.0):
        try:
            self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise JourneyFailure("the program did not end after it was closed")
        self.process = None

    def kill(self):
        if self.process is not None:
            self.process.kill()
            self.process.wait()
            self.process = None

    def close_with_close_box(self):
        # The close box stands at the caption's right end.
        run("xdotool", "mousemove", str(self.window.client_x + CLIENT_WIDTH - 9), str(self.window.y + 10))
        run("xdotool", "click", "1")
        self.wait_until_closed()

    def exit_from_menu(self):
        self.menu("Menu", 8)  # New, Open, Attach, Save, Export, Help, About, Exit
        self.wait_until_closed()

    # Input

    def key(self, *keys):
        for k in keys:
            run("xdotool", "key", k)
            time.sleep(0.08)

    def type(self, text):
        run("xdotool", "type", "--delay", "30", text)
        time.sleep(0.1)

    def fill_field(self, x, y, text):
        """Clicks into an entry field, replaces its text and leaves the focus there."""
        self.window.click(x, y)
        self.key("End", "shift+Home", "BackSpace")
        if text:
            self.type(text)

    def add_item(self, name, quantity, location, price):
        self.fill_field(60, 18, name)        # Item
        self.fill_field(184, 18, quantity)   # Qt
        self.fill_field(80, 45, location)    # Location
        self.fill_field(200, 45, price)      # Price
        self.key("Return")

    def row_y(self, row):
        return LIST_TOP + 1 + HEADER_HEIGHT + ROW_HEIGHT * row + ROW_HEIGHT // 2

    def tap_mark(self, row):
        self.window.click(10, self.row_y(row))

    def row_menu(self, row, position):
        """Opens the item menu on a row and picks the entry at position (separators skipped)."""
        self.window.click(120, self.row_y(row))
        time.sleep(0.3)
        self.key(*(["Down"] * position), "Return")
        time.sleep(0.3)

    def menu(self, button, position, submenu_position=None):
        x = 30 if button == "Menu" else 95
        self.window.click(x, BAR_TOP + 13)
        time.sleep(0.3)
        self.key(*(["Down"] * position))
        if submenu_position is not None:
            self.key("Right", *(["Down"] * (submenu_position - 1)))
        self.key("Return")
        time.sleep(0.3)

    def tool_button(self, index):
        """One of the four tool buttons right of Options: New, Open, Save, Help."""
        self.window.click(157 + 24 * index, BAR_TOP + 13)

    def answer(self, caption, key):
        wait_for(lambda: windows_named(caption), "the \"%s\" box" % caption)
        time.sleep(0.2)
        self.key(key)
        wait_for(lambda: not windows_named(caption), "the \"%s\" box to close" % caption)

    def choose_file(self, title, path):
        wait_for(lambda: windows_named(title), "the \"%s\" dialog" % title)
        time.sleep(0.5)
        self.type(windows_path(path))
        self.key("Return")
        wait_for(lambda: not windows_named(title), "the \"%s\" dialog to close" % title)
        time.sleep(0.3)

    # What it wrote and what it shows

    def file(self, name):
        with open(os.path.join(self.folder, name), "rb") as f:
            return f.read()

    def picture(self, name):
        return Picture(self.screenshot(name))

    def screenshot_of_window(self, name, window_id, path):
        """One top-level window, cut out of the screen, for the documentation."""
        os.makedirs(os.path.dirname(path), exist_ok=True)
        out = run("xdotool", "getwindowgeometry", "--shell", window_id)
        g = dict(line.split("=", 1) for line in out.split())
        shot = self.screenshot(name)
        run("convert", shot, "-crop", "%sx%s+%s+%s" % (g["WIDTH"], g["HEIGHT"], g["X"], g["Y"]), "+repage", path)
        return path

    def screenshot(self, name):
        os.makedirs(self.screenshots, exist_ok=True)
        path = os.path.join(self.screenshots, name + ".png")
        run("import", "-window", "root", path)
        return path


class Picture:
    """A screenshot's pixels, read through ImageMagick as a binary PPM."""

    def __init__(self, path):
        data = subprocess.run(["convert", path, "ppm:-"], stdout=subprocess.PIPE, check=True).stdout
        fields = []
        at = 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            end = at
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[at:end])
            at = end
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[at + 1:]

    def rgb(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])


def fresh_folder(root, name):
    folder = os.path.join(root, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return folder
