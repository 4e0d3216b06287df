"""Renders the screenshots of the documentation: python3 docs_screenshots.py EXE WORKDIR DOCS."""

import os
import sys

from gromble_driver import Gromble, fresh_folder, run


def main():
    exe, workdir, docs = (os.path.abspath(arg) for arg in sys.argv[1:4])
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
    print("screenshots in " + docs)


if __name__ == "__main__":
    main()
