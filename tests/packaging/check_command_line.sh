#!/usr/bin/env bash
# The packaged program's command line and its manual page: --version and --help
# answer with no display at all, Qt's own options still reach Qt, anything else
# is refused with or without a display; the page renders without a warning, in
# Serbian, gives whatis its one line, and documents every option that --help lists.
# Runs under an X server of its own (tests/e2e/session.sh).
set -euo pipefail
root=$1
x_display=$DISPLAY
page=$root/usr/share/man/man1/tav20.1.gz
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
# run_on DISPLAY SECONDS ARGUMENTS...: the program on that X display (none if empty),
# killed after SECONDS; sets status, out and err.
run_on() {
    local display=$1 seconds=$2
    shift 2
    local env=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
    [ -z "$display" ] || env+=("DISPLAY=$display")
    status=0
    out=$("${env[@]}" timeout "$seconds" "$root/usr/bin/tav20" "$@" 2>"$errors") || status=$?
    err=$(<"$errors")
}
run() { run_on "" "$@"; }

# --- answered before any platform plugin is loaded: nothing on standard error
run 10 --version
[ "$status" = 0 ] && [ "$out" = "tav20 1.00" ] && [ -z "$err" ] ||
    fail "--version: status $status, '$out', '$err'"
run 10 --help
[ "$status" = 0 ] && [ "$(head -1 <<<"$out")" = "Upotreba: tav20 [opcije] [projekat.tav20]" ] && [ -z "$err" ] ||
    fail "--help: status $status, '$out', '$err'"
options=$(grep -E '^  -' <<<"$out" | grep -oE -- '-{1,2}[a-z]+')
[ -n "$options" ] || fail "--help lists no options: $out"

# --- Qt's options reach Qt: only -platform offscreen lets the window open without a display,
# and the program runs on until timeout stops it
run 3 -platform offscreen -style fusion -reverse -qwindowgeometry 640x480+0+0
[ "$status" = 124 ] || fail "with Qt's options: status $status, '$err'"

# --- anything else is refused before a window opens, with no display and on an X display
for display in "" "$x_display"; do
    run_on "$display" 10 --nema
    [ "$status" = 2 ] && grep -qF "tav20: nepoznata opcija '--nema'" <<<"$err" ||
        fail "unknown option on display '$display': status $status, '$err'"
done

# --- the manual page as man shows it, in wide lines so that no option is broken across two
text=$(MANWIDTH=200 man --warnings -E UTF-8 -l "$page" 2>"$errors") || fail "man: $(<"$errors")"
[ ! -s "$errors" ] || fail "man warns: $(<"$errors")"
headings=$(grep -E '^[A-Z]' <<<"$text" | sed 1d | paste -sd,)
[ "$headings" = "IME,PREGLED,OPIS,OPCIJE,IZLAZNI STATUS,OKRUZENJE,DATOTEKE,AUTORSKA PRAVA" ] ||
    fail "headings: $headings"
[ "$(lexgrog "$page")" = "$page: \"tav20 - proracun pasivnih skretnica za zvucnike\"" ] ||
    fail "whatis entry: $(lexgrog "$page")"
for option in $options; do
    grep -qE -- "(^|[^-])$option\b" <<<"$text" || fail "the manual page lacks $option"
done
echo "command line and manual page ok:" $options
