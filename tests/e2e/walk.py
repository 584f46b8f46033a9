#!/usr/bin/python3
# Walks the forms and windows of the installed program from the keyboard under one
# regional setting, reading them back over the accessibility bus, and leaves through
# File > Izlaz.
# What a press computes is the form tests' business: here each form shows that the
# installed program, under a real locale, reads real keys and speaks to a screen reader.
#
# usage: walk.py PROGRAM LOCALE SEPARATOR   e.g. walk.py /usr/bin/tav20 sr_RS.UTF-8 ,

import os
import subprocess
import sys
import tempfile

import pyatspi

from form import Form
from ui import Program, assert_serbian, shown, wait_for, walk, xdotool


def open_child(program, letters, caption):
    program.menu(*letters)
    node = wait_for(f"the form '{caption}'", lambda: program.child_window(caption))
    return Form(program, node, program.main)


# The locale's decimal separator typed and read back, each button's label under it,
# and a failure's warning, which holds the keyboard until Enter.
def woofer(program, n):
    form = open_child(program, ("t", "b"), "bas")
    form.expect_focus("Fp, prelomna frekvencija", "500")
    form.retype("2000")
    form.tab()
    form.retype(n("6,5"))
    form.tab()
    form.press(n(" L = 0,52mH"))
    form.tab(3)
    form.press(n(" L = 1,8mH    C = 56uF"))
    form.tab()
    form.retype("")
    form.tab(2)
    form.press_failing("Fp", "Fp, prelomna frekvencija")


# A window of its own: a screen reader announces it as a frame, named by its caption.
def wire(program, n):
    program.menu("z")
    node = wait_for("the frame 'Form1'", lambda: program.top_level("Form1"))
    x_window = wait_for("'Form1' on the X server", lambda: program.x_window("Form1"))
    form = Form(program, node, x_window)
    form.expect_focus("potrebna struja", "5")
    form.tab(2)
    form.press(n("1,78 mm debljuna zice"))


# The response window, loaded as a module of its own when first opened, shows the
# curve of every result shown and their parts in its table.
def response(program, n):
    form = open_child(program, ("o",), "Odziv skretnice")

    def cells():
        found = [shown(node) for node in walk(form.node) if node.getRole() == pyatspi.ROLE_TABLE_CELL]
        return found if "bas 12db/oct" in found else None
    table = wait_for("the curve's row in the response table", cells)
    for part in (n("1,8 mH"), "56 uF", n("0,0 %"), "bas 6db/octavi"):
        assert part in table, f"{part!r} not in the response table: {table}"
    # Every window open so far, with its combo boxes, check boxes, tables and scroll bars, and Qt's
    # own file dialog: what a screen reader says of them.
    assert_serbian(program.app, "the windows")
    program.keys(program.main, "alt+s")

    def saving():
        return program.top_level("Sacuvaj sliku odziva", pyatspi.ROLE_DIALOG)
    assert_serbian(wait_for("the save dialog", saving), "the file dialog")
    program.keys(None, "Escape")
    wait_for("the save dialog to close", lambda: saving() is None)


# The bench sheet from the File menu, written as PDF by a name typed into its save dialog: its text
# holds the parts of the curves the response window shows.
def bench_sheet(program, n):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "list.pdf")
        program.menu("f", "z")
        dialog = wait_for("the PDF dialog", lambda: program.top_level("Izvezi list za radni sto", pyatspi.ROLE_DIALOG))
        assert_serbian(dialog, "the PDF dialog")
        program.keys(None, "ctrl+a")
        xdotool("type", "--delay", "20", path)
        program.keys(None, "Return")
        wait_for("the PDF written", lambda: os.path.exists(path) or None)
        text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True, check=True).stdout
        for part in ("List za radni sto", n("1,8 mH"), "56 uF", "iseci"):
            assert part in text, f"{part!r} not in the bench sheet: {text}"


def winding(program, n):
    open_child(program, ("n",), "Namotaj kalema").expect_focus("L, induktivitet", n("0,18"))


# The corrections, Serbian to a screen reader with every window opened before them.
def corrections(program, n):
    open_child(program, ("e",), "Korekcija")
    assert_serbian(program.app, "the corrections")


def leave(program, n):
    program.menu("f", "i")
    assert program.process.wait(15) == 0, "the program has not ended well after File > Izlaz"


def main():
    path, locale, separator = sys.argv[1:]
    # A home of the run's own, empty: the file dialogs open there and show no name of this machine's
    # (whose folders' words the English check would take for Qt's).
    home = tempfile.TemporaryDirectory()
    program = Program(path, dict(os.environ, LC_ALL=locale, QT_QPA_PLATFORM="xcb", HOME=home.name))

    def n(text):  # a number text of the forms under this run's decimal separator
        return text.replace(",", separator)

    try:
        for step in (woofer, wire, response, bench_sheet, winding, corrections, leave):
            print(f"--- {step.__name__}", flush=True)
            step(program, n)
    finally:
        program.kill()
        home.cleanup()
    print(f"all forms walked under {locale}")


if __name__ == "__main__":
    main()
