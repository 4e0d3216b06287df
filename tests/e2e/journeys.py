"""End-to-end journeys through the real program: python3 journeys.py NAME EXE WORKDIR."""

import os
import subprocess
import sys
import time
import traceback

from gromble_driver import (Gromble, JourneyFailure, OwnDisplay, OwnWineSession, fresh_folder, read_file_when,
                            run, windows_path)

FRESH_SYSTEM_LIST = b"2\n0\n10 0 0 0 1\nTahoma\n"
FONT_EDITOR = "Gromble List Font Editor"


def expect_equal(actual, expected, what):
    if actual != expected:
        raise JourneyFailure("%s:\n  expected %r\n  but got  %r" % (what, expected, actual))


def first_start(app):
    app.start()
    app.screenshot("first-start")
    app.close_with_close_box()
    expect_equal(app.file("GRSystemList.grl"), FRESH_SYSTEM_LIST, "the system list file after the first run")


SHOPPING_LIST = (b"5\n"
                 b"0\nBread\n1\nBakery\n2.50\n"
                 b"2\nEggs\n12\nFarm\n6\n"
                 b"0\nTea\n1\nShop\n5\n"
                 b"0\n10 0 0 0 1\nTahoma\n")


def shopping(app):
    app.start()
    app.add_item("Milk", "2", "Market", "3")
    app.add_item("Bread", "1", "Bakery", "2.50")
    app.add_item("Eggs", "12", "Farm", "4")
    app.add_item("Tea", "1", "Shop", "5")
    # Tea, Eggs, Bread, Milk
    app.tap_mark(0)                 # Tea ticked
    app.tap_mark(2)                 # Bread ticked
    app.row_menu(1, 2)              # Special: Eggs flagged
    app.row_menu(3, 3)              # Delete Milk ...
    app.answer("Warning", "n")      # ... not yet
    app.row_menu(3, 3)
    app.answer("Warning", "y")
    app.row_menu(2, 7)              # Top: Bread, Tea, Eggs
    app.row_menu(1, 8)              # Bottom: Bread, Eggs, Tea
    app.row_menu(1, 4)              # Edit Eggs
    app.fill_field(200, 45, "6")
    app.key("Return")
    app.screenshot("shopping")
    app.close_with_close_box()
    expect_equal(app.file("GRSystemList.grl"), SHOPPING_LIST, "the list stored at close")

    app.start()
    app.screenshot("shopping-restarted")
    app.exit_from_menu()
    expect_equal(app.file("GRSystemList.grl"), SHOPPING_LIST, "the list after a restart")


TWO_ITEMS = b"4\n1\nMilk\n2\nMarket\n3\n0\nBread\n1\nBakery\n2\n"
TEXT_EXPORT = (b"Check \t Name \t Qt \t Location \t Price \n\n"
               b"No \t Milk \t 2 \t Market \t 3\n"
               b"Yes \t Bread \t 1 \t Bakery \t 2\n"
               b"No \t Milk \t 2 \t Market \t 3\n"
               b"Yes \t Bread \t 1 \t Bakery \t 2\n")


def html_row(check, name, quantity, location, price):
    return ("<tr> \n<td>%s</td> \n<td>%s</td> \n<td><div align='center'>%s</div></td> \n"
            "<td><div align='center'>%s</div></td> \n<td><div align='right'>%s</div></td> \n</tr> \n"
            % (check, name, quantity, location, price)).encode()


def files(app):
    folder = app.folder
    app.start()
    app.add_item("Bread", "1", "Bakery", "2")
    app.add_item("Milk", "2", "Market", "3")
    app.tap_mark(1)                                   # Bread ticked
    app.tool_button(2)                                # Save
    app.choose_file("Save As", os.path.join(folder, "list.grl"))
    app.expect_file("list.grl", TWO_ITEMS, "the saved list")

    app.tool_button(0)                                # New
    app.answer("Warning", "y")
    app.tool_button(1)                                # Open
    app.choose_file("Open", os.path.join(folder, "list.grl"))
    app.menu("Menu", 3)                               # Attach
    app.choose_file("Open", os.path.join(folder, "list.grl"))
    app.menu("Menu", 4)                               # Save
    app.choose_file("Save As", os.path.join(folder, "twice.grl"))
    app.expect_file("twice.grl", b"6\n" + TWO_ITEMS[2:] + TWO_ITEMS[2:], "the list opened and attached")

    app.menu("Menu", 5, submenu_position=2)           # Export, Text
    app.choose_file("Save As", os.path.join(folder, "list.txt"))
    app.expect_file("list.txt", TEXT_EXPORT, "the text export")

    app.menu("Menu", 5, submenu_position=1)           # Export, HTML
    app.choose_file("Save As", os.path.join(folder, "list.html"))
    page = app.file_when("list.html", lambda page: page.endswith(b"</html>"), "the HTML export")
    head = (b"<html> \n <head> \n <title>Shopping List</title> \n </head> \n <body> \n <div align='center'> \n"
            b"  <p align='left'><strong>Shopping List: </strong></p><div align='left'> \n"
            b" <table width='240' border='1'> \n <tr> \n<th scope='col'>Check</th> \n <th scope='col'>Name</th> \n"
            b" <th scope='col'>Qt</th> \n <th scope='col'>Location</th> \n <th scope='col'>Price</th> \n </tr> \n")
    rows = (html_row("No", "Milk", "2", "Market", "3") + html_row("Yes", "Bread", "1", "Bakery", "2")) * 2
    expect_equal(page[:len(head)], head, "the HTML page's head")
    expect_equal(page[len(head):len(head) + len(rows)], rows, "the HTML page's rows")
    footer = page[len(head) + len(rows):]
    if not footer.startswith(b"</table> \n <p>&nbsp;</p> \n </div> \n <hr> \n") or \
            not footer.endswith(b"</br></p> \n </div> \n </body> \n </html>"):
        raise JourneyFailure("the HTML page's footer: %r" % footer)

    for _ in range(3):
        app.menu("Menu", 6)                           # Undo: the Attach, the Open, the New
    app.exit_from_menu()
    expect_equal(app.file("GRSystemList.grl"), TWO_ITEMS + b"0\n10 0 0 0 1\nTahoma\n",
                 "the list as it was before New, stored at the exit")


def font(app):
    app.start()
    app.menu("Options", 2)                            # Choose List Font
    app.window_with_keyboard(FONT_EDITOR)
    app.key("Tab", "Tab")                             # the size box
    app.key("End", "shift+Home", "BackSpace")
    app.type("14")
    app.key("Tab", "Tab", "space")                    # Bold
    app.screenshot("font-editor")
    app.key("Return")                                 # Apply
    app.wait_until_gone(FONT_EDITOR)
    app.close_with_close_box()
    stored = app.file("GRSystemList.grl")
    expect_equal(stored, b"2\n0\n14 1 0 0 1\nTahoma\n", "the list font stored at close")
    app.start()
    app.exit_from_menu()
    expect_equal(app.file("GRSystemList.grl"), stored, "the list font after a restart")


def damaged_files(app):
    damaged = b"7\n1\nMilk\n\x00\xff garbage"
    with open(os.path.join(app.folder, "GRSystemList.grl"), "wb") as f:
        f.write(damaged)
    app.start()
    app.answer("Warning", "Return")                   # the file is damaged, and kept
    app.expect_file("GRSystemList.grl.bak", damaged, "the damaged system list kept aside")
    app.add_item("Salt", "1", "Market", "1")
    app.tool_button(1)                                # Open a file that is not there
    app.choose_file("Open", os.path.join(app.folder, "missing.grl"))
    app.answer("Warning", "Return")
    app.exit_from_menu()
    stored = app.file("GRSystemList.grl")
    if not stored.split(b"\n")[1:6] == [b"1", b"Salt", b"1", b"Market", b"1"]:
        raise JourneyFailure("the list after a damaged system list file: %r" % stored)
    # The damaged file had no font lines: the height read as 0 (the default size), the rest kept.
    if not stored.endswith(b"0\n0 0 0 0 1\nTahoma\n"):
        raise JourneyFailure("the font after a damaged system list file: %r" % stored)


def desktop(app):
    """A list file given at start, the keys, the right button, and a second start."""
    for name, data in (("GRSystemList.grl", b"3\n1\nMilk\n2\nMarket\n3\n0\n10 0 0 0 1\nTahoma\n"),
                       ("week.grl", b"4\n0\nBread\n1\nBakery\n2\n1\nTea\n1\nShop\n5\n"),
                       ("more.grl", b"3\n1\nSalt\n1\nMarket\n1\n")):
        with open(os.path.join(app.folder, name), "wb") as f:
            f.write(data)
    app.start("week.grl")
    app.answer("Warning", "y")      # Milk goes for Bread and Tea
    app.tap_mark(1)                 # Tea ticked; the keys go to the list now
    app.key("alt+Home", "space")    # Tea to the top, crossed again
    app.key("Down", "Delete")       # Delete Bread ...
    app.answer("Warning", "y")
    app.tap_mark(0, button=3)       # the right button over the mark opens the menu
    app.key("Down", "Return")       # Check: Tea ticked
    expect_equal(app.start_again("more.grl"), 0, "the second start's exit code")
    app.answer("Warning", "n")      # the running window asks before it opens more.grl
    app.close_with_close_box()
    expect_equal(app.file("GRSystemList.grl"), b"3\n0\nTea\n1\nShop\n5\n0\n10 0 0 0 1\nTahoma\n",
                 "the list stored at close")


def session_end(app):
    """Log-off with the window open: the session's end closes nothing, the process just ends."""
    with OwnWineSession(app.folder + "-wineprefix"):
        app.start()
        app.add_item("Bread", "1", "Bakery", "2")
        run("wineboot", "--end-session", check=False)
        app.wait_until_closed()
    expect_equal(app.file("GRSystemList.grl"), b"3\n1\nBread\n1\nBakery\n2\n0\n10 0 0 0 1\nTahoma\n",
                 "the list stored at the end of the session")


def stored_items(data):
    """The items of a system list file, (name, quantity, location, price) each, sorted:
    the count line (the items and the two closing lines), then five lines an item."""
    lines = data.decode().split("\n")
    count = int(lines[0]) - 2
    return sorted(tuple(lines[2 + 5 * i:6 + 5 * i]) for i in range(count))


def shown_items(rows):
    """The items among the rows a list shows, sorted as stored_items: all but the
    closing two, its separator and its total."""
    return sorted(row[1:] for row in rows[:-2])


def row_named(rows, name):
    return next(i for i, row in enumerate(rows) if row[1] == name)


def two_machines(app):
    """Two machines, each with its own Wine and display, keep their list in one shared
    folder: what either adds or edits ends up in the file, and on the other's screen.
    Neither uses the tests' display or prefix, so this runs beside the other tests."""
    root = app.folder
    shared = os.path.join(root, "shared")
    system_list = os.path.join(shared, "GRSystemList.grl")
    for folder in ("shared", "a", "b"):
        os.makedirs(os.path.join(root, folder))     # each machine starts in a folder of its own

    def registry(env, verb, *value):
        return subprocess.Popen(["wine", "reg", verb, "HKCU\\Software\\Gromble", "/v", "DataFolder", *value, "/f"],
                                env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def set_data_folder(env):
        return registry(env, "add", "/t", "REG_SZ", "/d", windows_path(shared))

    def finish(setting):
        if setting.wait() != 0:
            raise JourneyFailure("the data folder could not be set")

    def start_both():
        for machine in (a, b):
            machine.launch()
        for machine in (a, b):
            machine.wait_until_started()

    def stored():
        with open(system_list, "rb") as f:
            return stored_items(f.read())

    def file_when(has, what):
        def holds(data):
            try:
                return has(stored_items(data))
            except ValueError:      # no count line yet
                return False
        read_file_when(system_list, holds, what)

    apples = ("Apples", "6", "Market", "2")
    bread = ("Bread", "1", "Bakery", "3")
    milk = ("Milk", "1", "Dairy", "1")
    with OwnDisplay() as display_a, OwnDisplay() as display_b, \
            OwnWineSession(os.path.join(root, "a-wineprefix"), dict(os.environ, DISPLAY=display_a.name)) as a_session, \
            OwnWineSession(os.path.join(root, "b-wineprefix"), dict(os.environ, DISPLAY=display_b.name)) as b_session:
        a = Gromble(app.exe, os.path.join(root, "a"), app.screenshots, a_session.env, app.reader)
        b = Gromble(app.exe, os.path.join(root, "b"), app.screenshots, b_session.env, app.reader)
        try:
            # Both in the shared folder. The first programs of a new prefix start its Wine
            # and its desktop, which take a moment: both prefixes start at once.
            setting_b = set_data_folder(b.env)
            finish(set_data_folder(a.env))
            a.start()
            finish(setting_b)
            b.launch()

            # Both add an item at about the same time. B's menu is open while A's store
            # lands, so B does not look at the file then: its own store, a moment later,
            # is the first to hear of A's item and must keep it.
            a.enter_item(*apples)
            b.wait_until_started()
            b.enter_item(*bread)
            a.key("Return")
            a.rows_when(lambda rows: shown_items(rows) == [apples], "A's list with its item")
            b.key("Return")
            b.open_menu("Menu")
            file_when(lambda items: apples in items, "A's item stored")
            if not b.menu_is_open():
                raise JourneyFailure("B's menu was no longer open when A's store landed: the journey fell behind")
            file_when(lambda items: bread in items, "B's item stored")
            b.close_menu()
            a.close_with_close_box()
            b.close_with_close_box()
            expect_equal(stored(), [apples, bread], "the shared list after both closed")

            # One adds an item, the other shows it within 2 s of the store.
            start_both()
            a.add_item(*milk)
            file_when(lambda items: milk in items, "A's Milk stored")
            landed = time.time()
            shown = b.rows_when(lambda rows: milk in shown_items(rows), "B showing A's Milk",
                                timeout=landed + 2.0 - time.time())
            expect_equal(shown_items(shown), [apples, bread, milk], "B's list once A's Milk is there")

            # Both edit Milk's quantity before either store lands: both versions stay,
            # whether B takes A's store in as it looks at the file, as it stores or as it closes.
            a.row_menu(row_named(a.shown_rows(), "Milk"), 4)     # Edit
            a.fill_field(184, 18, "2")
            b.row_menu(row_named(shown, "Milk"), 4)
            b.fill_field(184, 18, "3")
            a.key("Return")
            a.rows_when(lambda rows: ("Milk", "2", "Dairy", "1") in shown_items(rows), "A's edit in A's list")
            b.key("Return")
            file_when(lambda items: ("Milk", "2", "Dairy", "1") in items, "A's edit stored")
            a.close_with_close_box()
            b.close_with_close_box()
            expect_equal(stored(), [apples, bread, ("Milk", "2", "Dairy", "1"), ("Milk", "3", "Dairy", "1")],
                         "the shared list after both closed")
        except Exception:
            for machine, name in ((a, "a"), (b, "b")):
                if machine.process is not None:
                    machine.screenshot("two_machines-%s-failure" % name)
            raise
        finally:
            a.kill()
            b.kill()


GRADIENT_ROWS = os.path.join(os.path.dirname(__file__), "..", "..", "src", "res", "images", "background_rows.txt")
LIST_BACK = (170, 225, 252)


def looks(app):
    """The fixed parts of the main window have the colours they must have."""
    rows = {}
    with open(GRADIENT_ROWS) as f:
        for line in f:
            y, r, g, b = (int(v) for v in line.split())
            rows[y] = (r, g, b)
    app.start()
    app.add_item("Milk", "1", "Market", "3")
    app.add_item("A name far too long for its column", "2", "Market", "4")
    app.tap_mark(1)                                  # Milk is current now, and ticked
    w = app.window

    def failures_in(shot):
        failures = []

        def at(x, y):
            return shot.rgb(w.client_x + x, w.client_y + y)

        def expect(actual, expected, what):
            if actual != expected:
                failures.append("%s: expected %s, got %s" % (what, expected, actual))

        for y in range(59, 62):                      # between the panel and the list
            for x in (0, 60, 120, 239):
                expect(at(x, y), rows[y], "gradient at %d, %d" % (x, y))
        for y in range(0, 33):                       # the gap right of the Item label
            expect(at(33, y), rows[y], "gradient at 33, %d" % y)
        for x, y in ((0, 9), (29, 9), (0, 38), (51, 38), (123, 38), (154, 38)):
            expect(at(x, y), rows[y], "label background at %d, %d" % (x, y))
        list_left = 2                                # inside the list's two-pixel edge
        first_row_top = 62 + 1 + 19                  # below the edge and the header
        empty_y = first_row_top + 17 * 5
        expect(at(120, empty_y), LIST_BACK, "the list's background below the rows")
        row_top = first_row_top + 17 * 1
        below_mark = row_top + 16
        label_left = list_left + 18                  # right of the 2-px inset and the 16-px mark
        expect(at(label_left - 1, below_mark), LIST_BACK, "left of the highlight, under the mark")
        highlight = at(label_left, below_mark)
        if highlight == LIST_BACK:
            failures.append("the highlight does not start at the label's left edge")
        expect(at(list_left + 200, below_mark), highlight, "the highlight reaches the right edge")
        expect(at(label_left, row_top - 1), LIST_BACK, "the row above is not highlighted")
        return failures

    app.picture_when("looks", failures_in)
    app.exit_from_menu()


JOURNEYS = {
    "looks": looks,
    "first_start": first_start,
    "shopping": shopping,
    "files": files,
    "font": font,
    "damaged_files": damaged_files,
    "desktop": desktop,


    "session_end": session_end,
    "two_machines": two_machines,
}


def main():
    name, exe, workdir, reader = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3]), sys.argv[4]
    folder = fresh_folder(workdir, name)
    app = Gromble(exe, folder, os.path.join(workdir, "screenshots"), reader=reader)
    try:
        JOURNEYS[name](app)
    except Exception as failure:
        shot = app.screenshot(name + "-failure")
        app.kill()
        traceback.print_exc()
        print("journey %s failed: %s\nscreenshot: %s" % (name, failure, shot))
        return 1
    app.kill()
    print("journey %s passed" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
