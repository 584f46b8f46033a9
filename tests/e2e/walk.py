#!/usr/bin/python3
"""Walks every form of the installed program from the keyboard under one
regional setting and leaves through File > Izlaz.

usage: walk.py PROGRAM LOCALE SEPARATOR   e.g. walk.py /usr/bin/tav20 sr_RS.UTF-8 ,
"""

import os
import sys
import time

import pyatspi

from form import Form
from ui import Program, shown, wait_for, walk


def open_child(program, letters, caption):
    program.menu(*letters)
    node = wait_for(f"the form '{caption}'", lambda: program.child_window(caption))
    return Form(program, node, program.main)


def start_form(program, n):
    form = wait_for("the start form", lambda: program.child_window("Tav20"))
    titles = [shown(node) for node in walk(form) if node.getRole() == pyatspi.ROLE_LABEL]
    assert titles == ["izaberi tip skretnice"], titles


def woofer(program, n):
    form = open_child(program, ("t", "b"), "bas")
    form.expect_focus("Fp, prelomna frekvencija", "500")
    form.tab(2)
    form.press(n(" L = 1,27mH"))
    form.tab(3)
    form.press(n(" L = 1,8mH    C = 56uF"))

    form.tab()
    form.expect_focus("Fp, prelomna frekvencija", "500")
    form.retype("2000")
    form.tab()
    form.retype(n("6,5"))
    form.tab()
    form.press(n(" L = 0,52mH"))
    form.tab()
    form.retype("1000")
    form.tab()
    form.retype("8")
    form.tab()
    form.press(n(" L = 1,8mH    C = 14uF"))

    form.tab()
    form.retype("")
    form.tab(2)
    form.press_failing("Fp", "Fp, prelomna frekvencija")

    # The menu only brings an open form to the front; closing it discards it.
    open_child(program, ("t", "b"), "bas")
    form.expect_focus("Fp, prelomna frekvencija", "")
    form.close()
    wait_for("the woofer form to close", lambda: program.child_window("bas") is None)
    form = open_child(program, ("t", "b"), "bas")
    form.expect_focus("Fp, prelomna frekvencija", "500")
    assert not any("mH" in text for _, text in form.texts()), "a fresh woofer form shows a result"


def midrange(program, n):
    form = open_child(program, ("t", "s"), "Srednjetonci")
    form.expect_focus("Fp1, donja ucestanost", "500")
    form.tab(5)
    form.press(n("L1 = 1,8mH  C1 = 56uF"), n("L2 = 0,18mH  C2 = 5,6uF"))
    form.tab()
    form.press(n(" L = 0,32mH    C = 79,5uF"))

    form.tab()
    for value in ("400", "4000", "8", "250", "8"):
        form.retype(value)
        form.tab()
    form.press(n("L1 = 4,5mH  C1 = 35uF"), n("L2 = 0,45mH  C2 = 3,5uF"))
    form.tab()
    form.press(n(" L = 1,28mH    C = 79,5uF"))

    form.tab(2)
    form.expect_focus("Fp2, gornja ucestanost", "4000")
    form.retype("")
    form.tab(4)
    form.press_failing("Fp2", "Fp2, gornja ucestanost")


def tweeter(program, n):
    form = open_child(program, ("t", "v"), "visokotonci")
    form.expect_focus("Fp, prelomna frekvencija", "5000")
    form.tab(4)
    form.press(n("    C = 7,95uF"))
    form.tab()
    form.press(n(" L = 0,2mH    C = 4,98uF"))

    form.tab(4)
    form.expect_focus("Z, impedansa zvucnika", n("4,5"))
    form.retype(n("6,4"))
    form.keys("shift+Tab")
    form.retype("2500")
    form.tab(3)
    form.press(n(" L = 0,58mH    C = 7uF"))
    form.tab()
    form.retype("4000")
    form.tab()
    form.retype("8")
    form.tab(3)
    form.press(n("    C = 4,97uF"))

    form.tab(3)
    form.expect_focus("Z, impedansa zvucnika", "8")
    form.retype("")
    form.tab(3)
    form.press_failing("Z", "Z, impedansa zvucnika")


def coil(program, n):
    form = open_child(program, ("k",), "Kalem")
    form.expect_focus("N, namotaja", "80")
    form.tab(4)
    form.press(n("L = 0,18mH"))

    form.tab(2)  # past the explanatory text
    for value in ("60", "60", "5", "4"):
        form.retype(value)
        form.tab()
    form.press(n("L = 0,38mH"))

    form.tab(4)
    form.expect_focus("l, mm", "5")
    form.retype("")
    form.tab(2)
    form.press_failing("l", "l, mm")


def wire(program, n):
    program.menu("z")
    # A window of its own: a screen reader announces it as a frame, named by its caption.
    node = wait_for("the frame 'Form1'", lambda: program.top_level("Form1"))
    x_window = wait_for("'Form1' on the X server", lambda: program.x_window("Form1"))
    form = Form(program, node, x_window)
    form.expect_focus("potrebna struja", "5")
    form.tab(2)
    form.press(n("1,78 mm debljuna zice"))

    form.tab()
    form.retype("50")
    form.tab()
    form.retype(n("1,5"))
    form.tab()
    form.press(n("6,52 mm debljuna zice"))

    form.tab(2)
    form.retype("")
    form.tab()
    form.press_failing("gustina struje", "gustina struje")


def response(program, n):
    """The response window, loaded as a module of its own when first opened,
    shows the curve of every result shown, the midrange's still open, and
    their parts in its table."""
    bas = open_child(program, ("t", "b"), "bas")
    bas.tab(5)
    bas.press(n(" L = 1,8mH    C = 56uF"))
    form = open_child(program, ("o",), "Odziv skretnice")

    def cells():
        found = [shown(node) for node in walk(form.node) if node.getRole() == pyatspi.ROLE_TABLE_CELL]
        return found if "bas 12db/oct" in found else None
    table = wait_for("the curve's row in the response table", cells)
    for part in (n("1,8 mH"), "56 uF", n("0,0 %"), "Srednjetonci 12db/oct"):
        assert part in table, f"{part!r} not in the response table: {table}"
    form.close()
    bas.close()


def winding(program, n):
    form = open_child(program, ("n",), "Namotaj kalema")
    form.expect_focus("L, induktivitet", n("0,18"))
    form.tab(4)
    form.press("N = 80 namotaja (4 sloja po 20)", "h = 4mm  do = 34mm", n("L = 0,18mH"),
               n("zica 8,55m  R = 0,19 oma  60,13g"), n("gubitak na kalemu -0,4 dB"))
    form.close()


def about(program, n):
    form = open_child(program, ("a",), "Autor")
    texts = [shown(node) for node in walk(form.node) if node.getRole() == pyatspi.ROLE_TEXT]
    assert len(texts) == 1 and texts[0].startswith("Autor\n"), texts


def leave(program, n):
    program.menu("f", "i")
    code = program.exit_code()
    assert code == 0, f"the program has not ended after File > Izlaz (exit status {code})"


def main():
    path, locale, separator = sys.argv[1:]
    env = dict(os.environ, LC_ALL=locale, QT_QPA_PLATFORM="xcb")
    program = Program(path, env)

    def n(text):
        """A number text of the forms under this run's decimal separator."""
        return text.replace(",", separator)

    began = time.monotonic()
    try:
        for step in (start_form, woofer, midrange, tweeter, coil, wire, response, winding, about,
                     leave):
            print(f"--- {step.__name__}", flush=True)
            step(program, n)
    finally:
        program.kill()
    print(f"all forms walked under {locale} in {time.monotonic() - began:.1f} s")


if __name__ == "__main__":
    main()
