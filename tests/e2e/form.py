# One open form, worked from the keyboard: Tab to a control, retype a field,
# press the focused button, and read what every label and field shows.

import re

import pyatspi

from ui import assert_serbian, shown, wait_for, walk, xdotool

INPUTS = (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON)
SHOWN = (pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT)


class Form:
    def __init__(self, program, node, x_window):
        self.program = program
        self.node = node
        self.x_window = x_window  # the X window that takes this form's keys

    def keys(self, *keys):
        self.program.keys(self.x_window, *keys)

    def tab(self, count=1):
        self.keys(*["Tab"] * count)

    def focused(self):
        for node in walk(self.node):
            if node.getRole() in INPUTS and node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
        return None

    # The control with the keyboard focus: its accessible name begins with name,
    # and a field holds text.
    def expect_focus(self, name, text=None):
        def probe():
            node = self.focused()
            return node if node is not None and node.name.startswith(name) else None
        node = wait_for(f"the focus on '{name}' in {self.node.name}", probe)
        if text is not None:
            assert shown(node) == text, f"'{node.name}' shows {shown(node)!r}, expected {text!r}"
        return node

    # Selects the focused field's whole text and types over it.
    def retype(self, text):
        self.keys("ctrl+a", "BackSpace")
        if text:
            self.program.type(self.x_window, text)
        wait_for(f"{text!r} in the field", lambda: shown(self.focused()) == text)

    # Every label and field with what it shows, in a fixed order.
    def texts(self):
        return [(node, shown(node)) for node in walk(self.node) if node.getRole() in SHOWN]

    # Presses the focused button with the space bar: the label that changes is
    # exactly the one that must, and a screen reader is told its new name.
    def press(self, caption):
        button = self.expect_focus("")
        assert button.getRole() == pyatspi.ROLE_PUSH_BUTTON, f"'{button.name}' is no button"
        before = self.texts()
        self.program.renamed.clear()
        self.keys("space")

        def changed():
            return [text for (_, text), (_, old) in zip(self.texts(), before) if text != old] == [caption]
        wait_for(f"{caption!r} after '{button.name}'", changed, timeout=5)
        wait_for(f"the name of {caption!r} told to a screen reader", lambda: any(
            event.source.name == caption or event.source.name.endswith(": " + caption)
            for event in self.program.renamed))

    # A press that cannot compute: a warning names the field by its symbol and holds
    # the keyboard until Enter; nothing on the form changes, and the field at fault
    # (its name beginning with field) has the focus again.
    def press_failing(self, symbol, field):
        before = [text for _, text in self.texts()]
        button = self.expect_focus("")
        self.keys("space")
        box = wait_for("the warning", lambda: self.program.top_level("Tav20", pyatspi.ROLE_ALERT))
        message = " ".join(shown(node) for node in walk(box) if node.getRole() == pyatspi.ROLE_LABEL)
        assert re.search(rf"(^|\W){re.escape(symbol)}(\W|$)", message), \
            f"the warning after '{button.name}' does not name {symbol}: {message!r}"
        assert xdotool("getwindowfocus").strip() != self.x_window, "the warning does not hold the keyboard"
        assert_serbian(box, "the warning")
        self.program.keys(None, "Return")
        wait_for("the warning to close", lambda: self.program.top_level("Tav20", pyatspi.ROLE_ALERT) is None)
        after = [text for _, text in self.texts()]
        assert after == before, f"a failed press changed the form: {before} -> {after}"
        self.program.focus(self.x_window)  # as a window manager would, once the box is gone
        self.expect_focus(field)

