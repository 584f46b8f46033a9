#!/usr/bin/env bash
# The manual page as man shows it: it renders without a warning, gives whatis
# its one line, and documents every option that --help lists.
set -euo pipefail
root=$1
page=$root/usr/share/man/man1/tav20.1.gz

fail() { echo "FAIL: $*" >&2; exit 1; }

errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
# Wide lines, so that no option is broken across two.
text=$(MANWIDTH=200 man --warnings -E UTF-8 -l "$page" 2>"$errors") || fail "man: $(<"$errors")"
[ ! -s "$errors" ] || fail "man warns: $(<"$errors")"
[ "$(lexgrog "$page")" = "$page: \"tav20 - proracun pasivnih skretnica za zvucnike\"" ] ||
    fail "whatis entry: $(lexgrog "$page")"

help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tav20" --help)
options=$(grep -E '^  -' <<<"$help" | grep -oE -- '-{1,2}[a-z]+')
[ -n "$options" ] || fail "--help lists no options: $help"
for option in $options; do
    grep -qE -- "(^|[^-])$option\b" <<<"$text" || fail "the manual page lacks $option"
done
echo "manual page ok:" $options
