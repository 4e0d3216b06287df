"""Renders the screenshots of the documentation:
python3 docs_screenshots.py EXE WORKDIR DOCS PREFIX_AT_200_PERCENT

The last shots show the same list at 200 % (a prefix whose programs are given 192 DPI)
and in a large window (its place kept as a user leaves it)."""

import os
import sys

from gromble_driver import Gromble, fresh_folder, run


def shot_as_started(exe, folder, workdir, name, path):
    """Starts Gromble on the list left in folder, shoots its window and ends it."""
    app = Gromble(exe, folder, os.path.join(workdir, "screenshots"))
    try:
        app.start()
        app.screenshot_of_window(name, app.window.id, path)
    finally:
        app.kill()


def main():
    exe, workdir, docs, prefix200 = (os.path.abspath(arg) for arg in sys.argv[1:5])
    app = Gromble(exe, fresh_folder(workdir, "docs"), os.path.join(workdir, "screenshots"))
    try:
        app.start()
        app.add_item("Bread", "1", "Bakery", "2")
        app.add_item("Strawberry jam, the big jar", "1", "Farmers' market", "4.50")
        app.add_item("Milk", "2", "Market", "3")
        app.tap_mark(0)                               # Milk ticked
        app.tap_mark(2)                               # Bread ticked, and the current row
        main_id = app.window.id
        app.screenshot_of_window("main", main_id, os.path.join(docs, "main-window.png"))

        app.new_window_after(lambda: app.window.click(150, app.row_y(1)), "the item menu on the jam")
        shot = app.screenshot("menu")
        run("convert", shot, "-crop", "330x330+%d+%d" % (app.window.x, app.window.y), "+repage",
            os.path.join(docs, "item-menu.png"))
        app.key("Escape")

        app.menu("Options", 2)                        # Choose List Font
        editor = app.window_with_keyboard("Gromble List Font Editor")
        app.screenshot_of_window("editor", editor, os.path.join(docs, "font-editor.png"))
        app.key("Escape")
        app.wait_until_gone("Gromble List Font Editor")
        app.exit_from_menu()
    finally:
        app.kill()
    prefix = os.environ["WINEPREFIX"]
    os.environ["WINEPREFIX"] = prefix200
    try:
        shot_as_started(exe, app.folder, workdir, "200", os.path.join(docs, "main-window-200.png"))
    finally:
        os.environ["WINEPREFIX"] = prefix
    # Where a user who made the window large left it, in pixels at 96 DPI.
    run("wine", "reg", "add", "HKCU\\Software\\Gromble", "/v", "WindowPlace", "/t", "REG_SZ", "/d",
        "0 0 560 400", "/f")
    try:
        shot_as_started(exe, app.folder, workdir, "large", os.path.join(docs, "main-window-large.png"))
    finally:
        run("wine", "reg", "delete", "HKCU\\Software\\Gromble", "/f", check=False)
    print("screenshots in " + docs)


if __name__ == "__main__":
    main()
