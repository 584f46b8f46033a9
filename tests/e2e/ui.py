# The running program as a user meets it: keys go in through the X server,
# and what the windows show comes back over the accessibility bus.

import os
import re
import subprocess
import time

import pyatspi
from gi.repository import Atspi, GLib


# Polls probe until it gives something true; windows come and go while
# they are read, so a vanished object only means "not yet".
def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while True:
        # Events from the bus come in only while the main context is run.
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = probe()
        except (GLib.GError, LookupError):
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


# The text a control shows. Qt's labels offer no Text interface: their
# text is their name or, where the program names a label itself (a result
# label), their description.
def shown(node):
    if "Text" in node.get_interfaces():
        text = node.queryText()
        return text.getText(0, text.characterCount)
    return node.description or node.name


def walk(node):
    for child in node:
        if child is not None:
            yield child
            yield from walk(child)


# Words of Qt's own English texts, as roles, buttons, dialogs and menus carry them.
with open(os.path.join(os.path.dirname(__file__), "english.txt")) as words:
    ENGLISH = re.compile(r"\b(%s)\b" % "|".join(words.read().split()), re.I)


# Fails where a screen reader could say English of a window or of anything in it: names,
# descriptions, role names, texts and what actions do. Not the designed menu's "File", nor an
# action's own name: that is AT-SPI's identifier ("Press"), which Qt 6.4 gives no localized form for.
def assert_serbian(node, where):
    said = []
    for part in [node, *walk(node)]:
        said += [part.name, part.getLocalizedRoleName()]
        # Qt describes the application by its executable's path, which is no language.
        if part.getRole() != pyatspi.ROLE_APPLICATION:
            said.append(part.description)
        if "Text" in part.get_interfaces():
            said.append(shown(part))
        if "Action" in part.get_interfaces():
            said += [part.queryAction().getDescription(i) for i in range(part.queryAction().nActions)]
    english = [text for text in said if text and text != "File" and ENGLISH.search(text)]
    assert not english, f"English in {where}: {english}"


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


# The program started from its installed path, seen as one application.
class Program:
    def __init__(self, path, env):
        enable_accessibility()
        self.process = subprocess.Popen([path], env=env)
        self.app = wait_for("the program on the accessibility bus", lambda: next(
            (app for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == self.process.pid), None))
        # No event loop runs here to keep a cache fresh: ask the program every time.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        # What a screen reader is told has changed its name, as it would speak it.
        self.renamed = []
        pyatspi.Registry.registerEventListener(self.renamed.append, "object:property-change:accessible-name")
        self.main = wait_for("the main window on the X server", lambda: self.x_window("Tav20"))

    def x_window(self, caption):
        found = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
             "--name", f"^{re.escape(caption)}$"],
            capture_output=True, text=True).stdout.split()
        return found[0] if len(found) == 1 else None

    # A window of its own, by its title (and role, unless None).
    def top_level(self, caption, role=pyatspi.ROLE_FRAME):
        for node in self.app:
            if (node is not None and node.name == caption and showing(node)
                    and role in (None, node.getRole())):
                return node
        return None

    # A form inside the main window, by its title. (Qt marks no child
    # window as showing; a closed one leaves the tree.)
    def child_window(self, caption):
        frame = self.top_level("Tav20")
        for node in walk(frame):
            if node.getRole() == pyatspi.ROLE_FRAME and node.name == caption:
                return node
        return None

    # Gives the X window the input focus first: without a window manager
    # nobody else does. With no window the keys go wherever the focus is,
    # as they must into an open drop-down or a message box.
    def keys(self, window, *keys):
        if window is not None:
            self.focus(window)
        xdotool("key", "--delay", "40", *keys)

    def focus(self, window):
        xdotool("windowfocus", "--sync", window)

    def type(self, window, text):
        self.focus(window)
        xdotool("type", "--delay", "40", text)

    # Alt with the menu-bar letter, then the item's letter in its drop-down.
    def menu(self, *letters):
        self.keys(self.main, f"alt+{letters[0]}")
        if len(letters) > 1:
            wait_for(f"the drop-down of alt+{letters[0]}", self._open_drop_down)
            self.keys(None, *letters[1:])

    def _open_drop_down(self):
        bar = next(node for node in self.top_level("Tav20")
                   if node.getRole() == pyatspi.ROLE_MENU_BAR)
        return any(node.getRole() == pyatspi.ROLE_POPUP_MENU and showing(node)
                   for node in walk(bar))

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


# What a screen reader does on a desktop: switch the accessibility bus on,
# so toolkits that start afterwards publish their windows on it.
def enable_accessibility():
    subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
         "variant:boolean:true"],
        check=True, capture_output=True)
