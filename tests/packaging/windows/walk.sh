#!/usr/bin/env bash
# The unpacked Windows release under Wine with one regional setting: checks
# the decimal separator and face that the program takes from Windows, opens
# every form by its mnemonic, presses its default buttons, writes a
# screenshot of each into OUT, and leaves through File > Izlaz.
# Run inside an X server of its own (tests/e2e/session.sh).
# usage: walk.sh RELEASE_DIR SETTINGS_EXE OUT DECIMAL
set -euo pipefail

release=$1
settings=$2
out=$3
decimal=$4
wine=$(dirname "$0")/../../../packaging/windows/wine.sh
mkdir -p "$out"

"$wine" "$settings" "$decimal" "MS Sans Serif"

. "$(dirname "$0")/../../../tools/calculator_forms_walk.sh"
keys() { for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.3; done; }
# Trimmed of the empty workspace below the windows, in a 256-colour palette.
shot() {
    sleep 1
    import -window root png:- | convert - -trim +repage -colors 256 "PNG8:$out/$1.png"
    echo "$out/$1.png"
}
window() {
    local id
    id=$(timeout 120 xdotool search --sync --name "$1" | head -1)
    [ -n "$id" ] || { echo "walk.sh: no window named $1" >&2; exit 1; }
    echo "$id"
}
focus() { xdotool windowfocus --sync "$(window "$1")"; }
# Wine does not activate a window on a focus change from outside, only on a
# click: one on the main window's empty workspace.
activate_main() {
    xdotool mousemove --window "$main" 1000 900 click 1
    sleep 0.5
}

"$wine" "$release/tav20.exe" &
app=$!
# Wine's own processes go too, before the X server does.
trap 'kill $app 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT

# No window manager maximizes or focuses under Xvfb: do both by hand.
main=$(window '^Tav20$')
xdotool windowmove --sync "$main" 0 0 windowsize --sync "$main" 1280 1000
focus '^Tav20$'
shoot_calculator_forms
focus '^Form1$'
keys Tab Tab space
shot form1

# Form1, a window of its own, stays above the main window: Alt+F4 closes it.
keys alt+F4
activate_main
keys alt+n Return alt+p
shot namotaj
# The response of the woofer's and the tweeter's default halves.
# A button clicks when its key comes up; a window opened sooner takes the focus first.
keys ctrl+w alt+t b Tab Tab space Tab Tab Tab space alt+t v Tab Tab Tab Tab space Tab space
sleep 1
keys alt+o
if [ -e "$release/Qt6Charts.dll" ]; then
    # Both second-order halves into the sum: Tab goes from the table through
    # each curve's two boxes and its driver; back to the table, its rows,
    # copied as a user copies them, hold both halves' parts and the sum's facts.
    keys Tab Tab Tab Tab space Tab Tab Tab Tab Tab Tab space
    for _ in $(seq 10); do keys shift+Tab; done
    keys ctrl+a ctrl+c
    shot odziv
    rows=$(xclip -o -selection clipboard)
    for part in "bas 12db/oct	L	1${decimal}8 mH" "bas 12db/oct	C	56 uF" \
                "visokotonci 12db/oct	L	0${decimal}203 mH" "visokotonci 12db/oct	C	4${decimal}98 uF" \
                "zbir	"; do
        grep -qF "$part" <<<"$rows" || { echo "walk.sh: no row '$part' in the response table:"$'\n'"$rows" >&2; exit 1; }
    done
    # Its picture, saved into a scratch folder by a name typed into Qt's own file dialog.
    rm -rf "$out.scratch"
    mkdir -p "$out.scratch"
    picture=$out.scratch/odziv.png
    keys alt+s
    sleep 1
    keys ctrl+a
    xdotool type --delay 40 "Z:${picture//\//\\}"
    keys Return
    for _ in $(seq 50); do [ -s "$picture" ] && break; sleep 0.2; done
    file "$picture" | grep -q "PNG image data" || { echo "walk.sh: no picture saved at $picture" >&2; exit 1; }
    # The bench sheet as PDF through the File menu, the same way; its text holds the parts.
    sheet=$out.scratch/list.pdf
    keys alt+f z
    sleep 1
    keys ctrl+a
    xdotool type --delay 40 "Z:${sheet//\//\\}"
    keys Return
    for _ in $(seq 50); do [ -s "$sheet" ] && break; sleep 0.2; done
    text=$(pdftotext -layout "$sheet" - | tr -s ' ') || { echo "walk.sh: no bench sheet at $sheet" >&2; exit 1; }
    for part in "List za radni sto" "L 1${decimal}8 mH namotava se" "C 56 uF 56 uF" "iseci" "stepeni"; do
        grep -qF "$part" <<<"$text" || { echo "walk.sh: no '$part' on the bench sheet:"$'\n'"$text" >&2; exit 1; }
    done
    pdftoppm -r 60 -png "$sheet" "$out/list"
elif [ -z "${TAV20_WITHOUT_CHARTS:-}" ]; then
    echo "walk.sh: no Qt6Charts.dll in the release, so no response window" \
         "(TAV20_WITHOUT_CHARTS=1 checks a release built so on purpose)" >&2
    exit 1
else
    # A release built without Qt Charts says so in a warning instead.
    shot odziv
    keys Return
fi

keys alt+f i
for _ in $(seq 150); do kill -0 $app 2>/dev/null || break; sleep 0.2; done
if kill -0 $app 2>/dev/null; then echo "walk.sh: File > Izlaz left the program running" >&2; exit 1; fi
wait $app
