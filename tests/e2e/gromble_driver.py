"""Drives the real gromble.exe under Wine as a person does: keys, clicks, menus,
message boxes and file dialogs through xdotool on the X display, and reads back
what the program wrote and what it shows.

Each machine is an environment: its X display (DISPLAY) and its Wine prefix
(WINEPREFIX). Every command that drives or reads a machine runs in its environment;
None is the journey's own (os.environ as it is at the call).

Nothing waits a fixed time: a step waits, polling, for what it needs to see. Keys
go out once the program has the keyboard and reach the window it has made active,
in the order sent; a click goes out once its window is the program's only one shown
(see Window.click_on_screen). Results are read once they are there: a window with a
title, a file with its contents, an ended process, a screenshot that shows what it must."""

import os
import select
import shutil
import subprocess
import time

CLIENT_WIDTH = 240
CAPTION_HEIGHT = 19      # Wine's caption bar, between the top frame and the client area
BAR_TOP = 268
LIST_TOP = 62
HEADER_HEIGHT = 18
ROW_HEIGHT = 17

POLL_INTERVAL = 0.05
TIMEOUT = 20.0
# Two clicks this close in time and place make a double click (the platform's
# defaults are 500 ms and a 4 x 4 pixel square); a second single click waits.
DOUBLE_CLICK_TIME = 0.5
DOUBLE_CLICK_DISTANCE = 2
# Between keys: every character typed here is on the display's keymap, so no key is
# remapped on the way (the program reads the keys in the order they were sent).
KEY_DELAY_MS = 5


class JourneyFailure(AssertionError):
    pass


def run(*args, check=True, env=None):
    result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            stdin=subprocess.DEVNULL, text=True, env=env)
    if check and result.returncode != 0:
        raise JourneyFailure("%s failed with %d" % (" ".join(args), result.returncode))
    return result.stdout


def windows_named(title, visible_only=False, env=None):
    args = ["xdotool", "search"] + (["--onlyvisible"] if visible_only else []) + ["--name", "^%s$" % title]
    return run(*args, check=False, env=env).split()


def focused_window(env=None):
    return run("xdotool", "getwindowfocus", check=False, env=env).strip()


def wait_for(predicate, what, timeout=TIMEOUT):
    deadline = time.time() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.time() >= deadline:
            raise JourneyFailure("timed out waiting for " + what)
        time.sleep(POLL_INTERVAL)


def windows_path(path):
    """Wine sees the Linux file system as drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def pointer_window(env=None):
    out = run("xdotool", "getmouselocation", "--shell", check=False, env=env)
    return dict(line.split("=", 1) for line in out.split()).get("WINDOW")


def windows_shown_by(pid, env=None):
    return run("xdotool", "search", "--onlyvisible", "--pid", str(pid), check=False, env=env).split()


def display_of(env):
    return (os.environ if env is None else env).get("DISPLAY", "")


def read_file_when(path, is_written, what):
    """The file's bytes once is_written(bytes) holds; a program may still be writing it."""
    state = {"bytes": None}

    def written():
        try:
            with open(path, "rb") as f:
                state["bytes"] = f.read()
        except OSError:
            return False
        return is_written(state["bytes"])
    try:
        wait_for(written, what)
    except JourneyFailure:
        raise JourneyFailure("%s: %s is %r" % (what, os.path.basename(path), state["bytes"]))
    return state["bytes"]


class Window:
    """A top-level window of the program; client coordinates from its frame and known client width."""
    last_clicks = {}   # the display's last click: (time, x, y) on its screen

    def __init__(self, window_id, client_width, pid, env=None):
        self.id = window_id
        self.pid = pid
        self.env = env
        out = run("xdotool", "getwindowgeometry", "--shell", window_id, env=env)
        geometry = dict(line.split("=", 1) for line in out.split())
        self.x, self.y = int(geometry["X"]), int(geometry["Y"])
        border = (int(geometry["WIDTH"]) - client_width) // 2
        self.client_x = self.x + border
        self.client_y = self.y + border + CAPTION_HEIGHT

    def click(self, x, y, button=1):
        self.click_on_screen(self.client_x + x, self.client_y + y, button)

    def click_on_screen(self, x, y, button=1):
        """The program routes a click when it reads it, which may be before it has handled
        the input sent earlier: while a menu or a box of it is still open, that would take
        the click. So a click waits until this window is the program's only one shown and
        is under the pointer; and it is never the second click of a double click."""
        display = display_of(self.env)
        if display in Window.last_clicks:
            then, last_x, last_y = Window.last_clicks[display]
            near = abs(x - last_x) <= DOUBLE_CLICK_DISTANCE and abs(y - last_y) <= DOUBLE_CLICK_DISTANCE
            wait = then + DOUBLE_CLICK_TIME + 0.05 - time.time()
            if near and wait > 0:
                time.sleep(wait)
        run("xdotool", "mousemove", str(x), str(y), env=self.env)
        wait_for(lambda: windows_shown_by(self.pid, self.env) == [self.id] and pointer_window(self.env) == self.id,
                 "window %s alone and under the pointer at %d, %d" % (self.id, x, y))
        run("xdotool", "click", "--delay", "0", str(button), env=self.env)
        Window.last_clicks[display] = (time.time(), x, y)


class Gromble:
    """The program on one machine: started in folder, on the display and in the Wine
    prefix of env (None: the journey's own)."""

    def __init__(self, exe, folder, screenshots, env=None, reader=None):
        self.exe = exe
        self.folder = folder
        self.screenshots = screenshots
        self.env = env
        self.reader = reader    # tests/reader's list_reader.exe, for shown_rows
        self.process = None
        self.window = None

    # Starting and ending

    def start(self, *arguments):
        self.launch(*arguments)
        return self.wait_until_started()

    def launch(self, *arguments):
        """The first half of a start, for machines that start side by side."""
        # A Gromble that has just ended may still have its window for a moment.
        try:
            wait_for(lambda: not windows_named("Gromble", env=self.env), "", timeout=5.0)
        except JourneyFailure:
            raise JourneyFailure("another Gromble window is already open")
        self.process = subprocess.Popen(["wine", self.exe, *arguments], cwd=self.folder, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=self.env)

    def wait_until_started(self):
        self.window = Window(self.window_with_keyboard("Gromble"), CLIENT_WIDTH, self.process.pid, self.env)
        return self

    def start_again(self, *arguments):
        """A second start in the same folder while this one runs; returns its exit code."""
        try:
            return subprocess.run(["wine", self.exe, *arguments], cwd=self.folder, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=TIMEOUT,
                                  env=self.env).returncode
        except subprocess.TimeoutExpired:
            raise JourneyFailure("the second start did not end")

    def wait_until_closed(self, timeout=TIMEOUT):
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
        self.window.click_on_screen(self.window.client_x + CLIENT_WIDTH - 9, self.window.y + 10)
        self.wait_until_closed()

    def exit_from_menu(self):
        self.menu("Menu", 10)  # New, Open, Attach, Save, Export, Undo, Redo, Help, About, Exit
        self.wait_until_closed()

    # Windows

    def window_with_keyboard(self, title):
        """Waits until a window with this title is shown and the keyboard is with the
        program; returns the window's id. The program hands the keys it gets to its
        active window, whichever of its windows the display gives them to."""
        def ready():
            shown = windows_named(title, visible_only=True, env=self.env)
            return shown[0] if shown and self.has_keyboard() else None
        return wait_for(ready, "the \"%s\" window with the keyboard" % title)

    def has_keyboard(self):
        focus = focused_window(self.env)
        return bool(focus) and focus in windows_shown_by(self.process.pid, self.env)

    def wait_for_keyboard(self):
        wait_for(self.has_keyboard, "the keyboard to be with the program")

    def new_window_after(self, action, what):
        """Runs action, then waits for a window of the program shown that was not shown
        before (a menu, say); returns its id."""
        before = set(windows_shown_by(self.process.pid, self.env))
        action()
        return wait_for(lambda: next((w for w in windows_shown_by(self.process.pid, self.env) if w not in before),
                                     None), what)

    def wait_until_gone(self, title):
        wait_for(lambda: not windows_named(title, env=self.env), "the \"%s\" window to close" % title)

    # Input

    def key(self, *keys):
        self.wait_for_keyboard()
        run("xdotool", "key", "--delay", str(KEY_DELAY_MS), *keys, env=self.env)

    def type(self, text):
        self.wait_for_keyboard()
        run("xdotool", "type", "--delay", str(KEY_DELAY_MS), text, env=self.env)

    def fill_field(self, x, y, text):
        """Clicks into an entry field, replaces its text and leaves the focus there."""
        self.window.click(x, y)
        self.key("End", "shift+Home", "BackSpace")
        if text:
            self.type(text)

    def enter_item(self, name, quantity, location, price):
        """Fills the entry panel's fields; Return adds the item."""
        self.fill_field(60, 18, name)        # Item
        self.fill_field(184, 18, quantity)   # Qt
        self.fill_field(80, 45, location)    # Location
        self.fill_field(200, 45, price)      # Price

    def add_item(self, name, quantity, location, price):
        self.enter_item(name, quantity, location, price)
        self.key("Return")

    def row_y(self, row):
        return LIST_TOP + 1 + HEADER_HEIGHT + ROW_HEIGHT * row + ROW_HEIGHT // 2

    def tap_mark(self, row, button=1):
        self.window.click(10, self.row_y(row), button)

    def row_menu(self, row, position):
        """Opens the item menu on a row and picks the entry at position (separators skipped).
        The menu opens within the tap, so the keys that follow reach it."""
        self.window.click(120, self.row_y(row))
        self.key(*(["Down"] * position), "Return")

    def menu(self, button, position, submenu_position=None):
        self.click_bar_button(button)
        keys = ["Down"] * position
        if submenu_position is not None:
            keys += ["Right"] + ["Down"] * (submenu_position - 1)
        self.key(*keys, "Return")

    def click_bar_button(self, button):
        self.window.click(30 if button == "Menu" else 95, BAR_TOP + 13)

    def open_menu(self, button):
        """Opens the bar's Menu or Options menu and leaves it open; close_menu closes it."""
        self.new_window_after(lambda: self.click_bar_button(button), "the %s menu" % button)

    def menu_is_open(self):
        return windows_shown_by(self.process.pid, self.env) != [self.window.id]

    def close_menu(self):
        self.key("Escape")
        wait_for(lambda: not self.menu_is_open(), "the menu to close")

    def tool_button(self, index):
        """One of the four tool buttons right of Options: New, Open, Save, Help."""
        self.window.click(157 + 24 * index, BAR_TOP + 13)

    def answer(self, caption, key):
        self.window_with_keyboard(caption)
        self.key(key)
        self.wait_until_gone(caption)

    def choose_file(self, title, path):
        self.window_with_keyboard(title)
        self.type(windows_path(path))
        self.key("Return")
        self.wait_until_gone(title)

    # What it wrote and what it shows

    def file(self, name):
        with open(os.path.join(self.folder, name), "rb") as f:
            return f.read()

    def file_when(self, name, is_written, what):
        """The file's bytes once is_written(bytes) holds; the program may still be writing it."""
        return read_file_when(os.path.join(self.folder, name), is_written, what)

    def expect_file(self, name, expected, what):
        self.file_when(name, lambda data: data == expected, what)

    def shown_rows(self):
        """The rows the main window's list shows, read from it as another program of the
        machine would: (mark image, name, quantity, location, price) each."""
        out = run("wine", self.reader, "Gromble", env=self.env)
        lines = out.split("\n")
        return [tuple(line.split("|")) for line in lines[1:1 + int(lines[0])]]

    def rows_when(self, are_shown, what, timeout=TIMEOUT):
        """The rows shown once are_shown(rows) holds."""
        state = {"rows": None}

        def shown():
            state["rows"] = self.shown_rows()
            return are_shown(state["rows"])
        try:
            wait_for(shown, what, timeout)
        except JourneyFailure:
            raise JourneyFailure("%s: the list shows %r" % (what, state["rows"]))
        return state["rows"]

    def picture_when(self, name, failures_in, timeout=TIMEOUT):
        """A screenshot once failures_in(picture) finds nothing wrong; raises with the
        last failures when the screen does not come to show it. The screenshot is kept."""
        deadline = time.time() + timeout
        while True:
            picture = Picture.of_screen(self.env)
            failures = failures_in(picture)
            if not failures or time.time() >= deadline:
                break
            time.sleep(POLL_INTERVAL)
        picture.save(self.screenshot_path(name))
        if failures:
            raise JourneyFailure("; ".join(failures))
        return picture

    def screenshot_of_window(self, name, window_id, path):
        """One top-level window, cut out of the screen, for the documentation."""
        os.makedirs(os.path.dirname(path), exist_ok=True)
        out = run("xdotool", "getwindowgeometry", "--shell", window_id, env=self.env)
        g = dict(line.split("=", 1) for line in out.split())
        shot = self.screenshot(name)
        run("convert", shot, "-crop", "%sx%s+%s+%s" % (g["WIDTH"], g["HEIGHT"], g["X"], g["Y"]), "+repage", path)
        return path

    def screenshot(self, name, quiet=0.3, timeout=5.0):
        """The screen once it has not changed for quiet seconds: the input sent so far has
        been handled and painted. A blinking caret leaves quiet spells long enough."""
        picture = Picture.of_screen(self.env)
        changed = time.time()
        deadline = changed + timeout
        while time.time() - changed < quiet and time.time() < deadline:
            time.sleep(POLL_INTERVAL)
            current = Picture.of_screen(self.env)
            if current.pixels != picture.pixels:
                changed = time.time()
            picture = current
        path = self.screenshot_path(name)
        picture.save(path)
        return path

    def screenshot_path(self, name):
        os.makedirs(self.screenshots, exist_ok=True)
        return os.path.join(self.screenshots, name + ".png")


class Picture:
    """The screen's pixels, read through ImageMagick as a binary PPM."""

    def __init__(self, data):
        self.data = data
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

    @staticmethod
    def of_screen(env=None):
        return Picture(subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], stdout=subprocess.PIPE,
                                      stderr=subprocess.DEVNULL, check=True, env=env).stdout)

    def save(self, path):
        subprocess.run(["convert", "ppm:-", path], input=self.data, check=True)

    def rgb(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])


class OwnWineSession:
    """A Wine prefix and server of the caller's own, for a step that ends every process
    of its prefix (Wine's end of session), or for a second machine: a copy of the tests'
    prefix, its files hard-linked and its registry copied, removed again at the end.
    It becomes env's prefix (the journey's own environment when env is None); the
    server runs on env's display."""

    REGISTRY = ("system.reg", "user.reg", "userdef.reg")

    def __init__(self, prefix, env=None):
        self.prefix = prefix
        self.env = os.environ if env is None else env
        self.shared = self.env["WINEPREFIX"]

    def __enter__(self):
        shutil.rmtree(self.prefix, ignore_errors=True)
        run("cp", "-al", self.shared, self.prefix)
        for name in self.REGISTRY:
            os.remove(os.path.join(self.prefix, name))
            shutil.copy2(os.path.join(self.shared, name), os.path.join(self.prefix, name))
        self.forget_gromble_settings(os.path.join(self.prefix, "user.reg"))
        self.env["WINEPREFIX"] = self.prefix
        # Started here, away from the test runner's pipes, which it would otherwise hold.
        run("wineserver", "-p", check=False, env=self.env)
        return self

    @staticmethod
    def forget_gromble_settings(user_reg):
        """The server writes its registry back now and then: a copy may hold settings
        that another journey made and has since removed (a data folder, a window place).
        The copy starts without them, as every test run does."""
        with open(user_reg, encoding="utf-8", errors="surrogateescape") as f:
            lines = f.readlines()
        kept, skipping = [], False
        for line in lines:
            if line.startswith("["):
                skipping = line.lower().startswith("[software\\\\gromble")
            if not skipping:
                kept.append(line)
        with open(user_reg, "w", encoding="utf-8", errors="surrogateescape") as f:
            f.writelines(kept)

    def __exit__(self, *failure):
        run("wineserver", "-k", check=False, env=self.env)
        self.env["WINEPREFIX"] = self.shared
        shutil.rmtree(self.prefix, ignore_errors=True)
        return False


class OwnDisplay:
    """An X display of the caller's own, a second machine's screen: an Xvfb on a display
    number that is free (Xvfb picks it), ended at the end."""

    SCREEN = "1024x768x24"

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.SCREEN, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_end)
        # Xvfb writes the number once it takes connections; its end closes the pipe.
        number = b""
        with os.fdopen(read_end, "rb") as numbers:
            if select.select([numbers], [], [], TIMEOUT)[0]:
                number = numbers.readline().strip()
        if not number.isdigit():
            self.__exit__()
            raise JourneyFailure("Xvfb did not start")
        self.name = ":" + number.decode()
        return self

    def __exit__(self, *failure):
        self.process.terminate()
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        return False


def fresh_folder(root, name):
    folder = os.path.join(root, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return folder
