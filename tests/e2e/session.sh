#!/usr/bin/env bash
# Runs a command as inside a bare desktop: its own X server (no window
# manager), its own D-Bus session and, on demand, the accessibility bus.
set -euo pipefail

runtime=$(mktemp -d)
xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
    rm -rf "$runtime"
}
trap cleanup EXIT

# -displayfd lets the server pick a free display, so parallel runs never collide;
# -noreset keeps it from resetting (and refusing clients) whenever the last one leaves.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$runtime/display" 2>"$runtime/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$runtime/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$runtime/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[ -s "$runtime/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$(cat "$runtime/display")"
# The accessibility bus keeps its socket here: private to this run.
export XDG_RUNTIME_DIR=$runtime
unset WAYLAND_DISPLAY
dbus-run-session -- "$@"
