#!/usr/bin/env python3
"""Random keys against the program, as an impatient user would send them.

usage: tools/monkey.py [--minutes M] [--seed S] [--out DIR] PROGRAM

Starts PROGRAM under gdb in an Xvfb of its own, once with a decimal comma
(sr_RS.UTF-8) and once with a decimal point (en_US.UTF-8), both at once, and
types random keys into it with xdotool for M minutes: menu mnemonics, Tab,
the space bar, clipboard keys, the context-menu key, digits, separators,
letters and markup. A program that ends is started again, so the clipboard it
owned is gone, as when a user's copying program has exited. A crash (a
signal, or a sanitizer's report) is written to DIR/crash-<locale>-<n>.txt
with the keys that led to it and the backtrace. The same seed sends the same
keys. Exits 1 when anything crashed.

The program runs where it can change no file (tools/read_only.sh): random keys
in its save dialog once deleted folders of the machine it ran on.
"""
import argparse
import os
import random
import signal
import subprocess
import sys
import tempfile
import threading
import time

LOCALES = ["sr_RS.UTF-8", "en_US.UTF-8"]
# Set on Ctrl+C or a termination: each monkey stops its program and X server.
STOP = threading.Event()
READ_ONLY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "read_only.sh")

KEYS = ["Tab", "shift+Tab", "space", "Return", "Escape", "BackSpace", "Delete", "Home", "End",
        "Left", "Right", "Up", "Down", "shift+End", "ctrl+a", "ctrl+c", "ctrl+x", "ctrl+v",
        "ctrl+z", "ctrl+y", "ctrl+w", "ctrl+F4", "ctrl+F6", "ctrl+Tab", "alt+F4", "alt+space",
        "alt+minus", "Menu", "shift+F10", "F1", "alt+f", "alt+t", "alt+k", "alt+z", "alt+o",
        "alt+n", "alt+a", "b", "s", "v", "i", "n", "p", "e"]
CHARS = "0123456789,.-+eE xyz<>&%/\"'"
# The exit is a key pair of its own, sent seldom, so that most of the time goes to the forms.
EXIT_KEYS = ["alt+f", "i"]


def read_only(scratch, *command):
    """COMMAND as run where it can change no file, SCRATCH its home."""
    return ["sh", READ_ONLY, scratch, *command]


def start_xvfb():
    """An X server on a free display; returns (process, display)."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1200x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                              stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        display = ":" + pipe.readline().strip()
    return server, display


class Monkey:
    def __init__(self, program, locale, seed, minutes, out):
        self.program, self.locale, self.minutes, self.out = program, locale, minutes, out
        self.rng = random.Random("%d %s" % (seed, locale))
        self.starts = self.crashes = 0
        self.sent = []
        self.scratch = tempfile.mkdtemp(prefix="monkey-home-")

    def env(self, display):
        sanitizers = "abort_on_error=1:halt_on_error=1:detect_leaks=0:print_stacktrace=1"
        return dict(os.environ, DISPLAY=display, LC_ALL=self.locale, LANG=self.locale,
                    QT_QPA_PLATFORM="xcb", ASAN_OPTIONS=sanitizers, UBSAN_OPTIONS=sanitizers)

    def launch(self, env, log):
        self.starts += 1
        self.sent = []
        gdb = read_only(self.scratch, "gdb", "-q", "-batch", "-ex", "set pagination off",
                        "-ex", "run", "-ex", "bt 40", "--args", self.program)
        # A session of its own, so that gdb and the program end together.
        process = subprocess.Popen(gdb, env=env, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True)
        time.sleep(2)
        return process

    def xdo(self, env, *args):
        subprocess.run(["xdotool", *args], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

    def report(self, log_path):
        with open(log_path, errors="replace") as f:
            output = f.read()
        crashed = ("received signal SIG" in output or "ERROR: AddressSanitizer" in output
                   or "runtime error:" in output)
        if not crashed:
            return
        self.crashes += 1
        name = os.path.join(self.out, "crash-%s-%d.txt" % (self.locale, self.crashes))
        with open(name, "w") as f:
            f.write("locale: %s\nkeys, oldest first: %r\n\n%s" % (self.locale, self.sent, output))
        print("%s: crash %d after %r (%s)" % (self.locale, self.crashes, self.sent[-12:], name),
              flush=True)

    def step(self, env):
        if self.rng.random() < 0.1:
            windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                                     env=env, capture_output=True, text=True).stdout.split()
            if windows:
                self.sent.append("focus")
                self.xdo(env, "windowfocus", self.rng.choice(windows))
        if self.rng.random() < 0.003:
            self.sent.extend(EXIT_KEYS)
            for key in EXIT_KEYS:
                self.xdo(env, "key", "--clearmodifiers", key)
        elif self.rng.random() < 0.3:
            text = "".join(self.rng.choice(CHARS) for _ in range(self.rng.randint(1, 12)))
            self.sent.append("type " + text)
            self.xdo(env, "type", "--delay", "5", "--", text)
        else:
            key = self.rng.choice(KEYS)
            self.sent.append(key)
            self.xdo(env, "key", "--clearmodifiers", key)

    def run(self):
        server, display = start_xvfb()
        env = self.env(display)
        log = tempfile.NamedTemporaryFile("w+", prefix="monkey-", suffix=".log", delete=False)
        try:
            process = self.launch(env, log)
            deadline = time.monotonic() + self.minutes * 60
            while time.monotonic() < deadline and not STOP.is_set():
                if process.poll() is not None:
                    log.flush()
                    self.report(log.name)
                    log.seek(0)
                    log.truncate()
                    process = self.launch(env, log)
                self.step(env)
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
        finally:
            server.terminate()
            server.wait()
            os.unlink(log.name)
            os.rmdir(self.scratch)
        print("%s: %d starts, %d crashes" % (self.locale, self.starts, self.crashes), flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--minutes", type=float, default=10)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--out", default="monkey")
    parser.add_argument("program")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    # Without the read-only world every start would fail at once and count as no crash.
    probe = tempfile.mkdtemp(prefix="monkey-probe-")
    jailed = subprocess.run(read_only(probe, "true")).returncode == 0
    os.rmdir(probe)
    if not jailed:
        sys.exit("monkey.py: cannot start the program where it can change no file "
                 "(user namespaces, unshare); not sending keys")
    program = os.path.abspath(args.program)
    monkeys = [Monkey(program, locale, args.seed, args.minutes, args.out) for locale in LOCALES]
    threads = [threading.Thread(target=monkey.run) for monkey in monkeys]
    for thread in threads:
        thread.start()
    for sig in (signal.SIGINT, signal.SIGTERM):
        signal.signal(sig, lambda *_: STOP.set())
    for thread in threads:
        while thread.is_alive():  # a timeout, so that the signal handler runs
            thread.join(1)
    crashes = sum(monkey.crashes for monkey in monkeys)
    print("seed %d, %g minutes: %d starts, %d crashes" %
          (args.seed, args.minutes, sum(m.starts for m in monkeys), crashes))
    if STOP.is_set():
        print("stopped before the %g minutes were up" % args.minutes)
        return 1 if crashes else 130
    return 1 if crashes else 0


if __name__ == "__main__":
    sys.exit(main())
