#!/usr/bin/env bash
# The packaged program's command line: --version and --help answer with no
# display at all, Qt's own options still reach Qt, and anything else is refused.
set -euo pipefail
program=$1

fail() { echo "FAIL: $*" >&2; exit 1; }
# run SECONDS ARGUMENTS...: the program with no display, killed after SECONDS;
# sets status, out and err.
run() {
    local seconds=$1 errors
    shift
    errors=$(mktemp)
    status=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        timeout "$seconds" "$program" "$@" 2>"$errors") || status=$?
    err=$(<"$errors")
    rm -f "$errors"
}

# --- answered before any platform plugin is loaded: nothing on standard error
run 10 --version
[ "$status" = 0 ] && [ "$out" = "tav20 1.00" ] && [ -z "$err" ] ||
    fail "--version: status $status, '$out', '$err'"
for help in --help -h; do
    run 10 "$help"
    [ "$status" = 0 ] && [ "$(head -1 <<<"$out")" = "Upotreba: tav20 [opcije]" ] && [ -z "$err" ] ||
        fail "$help: status $status, '$out', '$err'"
done

# --- Qt's options reach Qt: only -platform offscreen lets the window open without a display,
# and the program runs on until timeout stops it
run 3 -platform offscreen -style fusion -reverse -qwindowgeometry 640x480+0+0
[ "$status" = 124 ] || fail "with Qt's options: status $status, '$err'"

# --- what Qt leaves is refused
run 10 -platform offscreen --nema
[ "$status" = 2 ] && grep -qF "tav20: nepoznata opcija '--nema'" <<<"$err" ||
    fail "unknown option: status $status, '$err'"
echo "command line ok"
