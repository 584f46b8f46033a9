#!/usr/bin/env bash
# Screenshots of the main window with each form open and its buttons pressed,
# as a user sees them, under decimal-comma settings: build/screenshots/*.png.
# With SCALE=2 they are taken at twice the pixel density, into screenshots/scale2.
set -euo pipefail

build=${1:-build}
scale=${SCALE:-1}
out="$build/screenshots"
[ "$scale" = 1 ] || out="$out/scale$scale"
mkdir -p "$out"
width=$((1280 * scale))
height=$((1000 * scale))

if [ -z "${TAV20_SCREENSHOTS_INSIDE:-}" ]; then
    TAV20_SCREENSHOTS_INSIDE=1 exec xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$0" "$@"
fi

. "$(dirname "$0")/calculator_forms_walk.sh"
keys() { for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.15; done; }
# Trimmed of the empty workspace below the windows, in a 256-colour palette.
shot() {
    sleep 0.5
    import -window root png:- | convert - -trim +repage -colors 256 "PNG8:$out/$1.png"
    echo "$out/$1.png"
}

LC_ALL=C QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$build/app/tav20" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

# No window manager maximizes or focuses under Xvfb: do both by hand.
main=$(xdotool search --sync --name '^Tav20$' | head -1)
xdotool windowsize --sync "$main" "$width" "$height"
xdotool windowfocus --sync "$main"
shoot_calculator_forms
form1=$(xdotool search --sync --name '^Form1$' | head -1)
xdotool windowfocus --sync "$form1"
keys Tab Tab space
shot form1

# Form1 stays open: the main window is raised over it again. The coil form's
# example is wound by Enter in L, then a wire suggested for 100 W into 4 ohm,
# which winds it again with that wire; the window goes again before the next
# shot.
xdotool windowraise "$main"
xdotool windowfocus --sync "$main"
keys alt+n Return alt+p
shot namotaj
keys ctrl+w

# The response of a two-way crossover at 3000 Hz into 8 ohm, second order,
# both halves in the sum and the tweeter wired in reverse. Form1 is put out
# of sight (no window manager closes it), and a double click on the title bar
# of the new child, which the area places at the same spot every time,
# maximizes it.
xdotool windowunmap --sync "$form1"
xdotool windowfocus --sync "$main"
keys alt+t b Tab Tab Tab
xdotool type 3000
keys Tab
xdotool type 8
keys Tab space alt+t v Tab Tab
xdotool type 3000
keys Tab
xdotool type 8
keys Tab Tab space alt+o Tab space Tab Tab Tab space Tab space
xdotool mousemove $((450 * scale)) $((82 * scale)) click --repeat 2 --delay 80 1
shot odziv

# The same two-way on the sample drivers, each entered from its FRD and ZMA
# files by their paths typed into the file dialog, which Enter loads, then
# chosen for its curve. No window manager focuses a dialog: that is done by hand.
primeri=$(cd "$(dirname "$0")/../packaging/primeri" && pwd)
# The newest window of a name: an old dialog may linger unmapped.
focus() { xdotool windowfocus --sync "$(xdotool search --sync --name "$1" | tail -1)"; sleep 0.3; }
measured() {
    keys alt+m
    for kind in frd zma; do
        keys "alt+${kind:0:1}"
        focus '^Izaberite'
        xdotool type "$primeri/$1.$kind"
        keys Return
        focus '^Zvucnik iz merenja$'
    done
    keys Return
    xdotool windowfocus --sync "$main"
}
measured bas-16cm
measured visoki-25mm
# From the list of drivers (Alt+I) back to the tweeter's driver, then the woofer's.
keys alt+i shift+Tab shift+Tab shift+Tab Down Down shift+Tab shift+Tab shift+Tab Down
shot odziv-zvucnici


# The corrections for that two-way: the woofer's Re and Le fitted from its ZMA
# into a Zobel, and the tweeter padded down 3 dB into 6 ohm; then each switched
# into its curve by its check box, below the curve's row in the response window;
# the notch and the baffle step are computed with their defaults.
keys alt+e alt+i Down alt+b Tab Tab Tab Tab Tab Tab Tab Tab 3 Tab 6 alt+l alt+r alt+s
shot korekcija
keys alt+o
xdotool mousemove $((183 * scale)) $((762 * scale)) click 1
sleep 0.3
xdotool mousemove $((246 * scale)) $((818 * scale)) click 1
shot odziv-korekcija
