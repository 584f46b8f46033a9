#!/usr/bin/env bash
# Start-up of the Windows release under Wine, until its main window is mapped:
# tav20.exe as released, the response window a DLL loaded when first opened,
# against the same program with the window linked in, which loads Qt Charts at
# every start. The median of RUNS starts each, the two taking turns, after one
# start each to warm Wine up. Run in an X server of its own (tests/e2e/session.sh).
# usage: wine_startup.sh RELEASE_DIR LINKED_EXE RUNS
set -euo pipefail
release=$1
linked=$2
runs=$3
wine=$(dirname "$(realpath "$0")")/../../packaging/windows/wine.sh
cp "$linked" "$release/tav20-linked.exe"
trap 'rm -f "$release/tav20-linked.exe"; wineserver -k 2>/dev/null || true' EXIT
# A server that stays, so that no start pays for starting it.
WINEPREFIX=${WINEPREFIX:-$HOME/.cache/tav20/wine} wineserver -p
"$wine" wineboot --init 2>/dev/null

# Milliseconds from the start to the main window on screen; then File > Izlaz.
start() {
    local began window= ms
    began=$(date +%s%N)
    "$wine" "$release/$1" &
    local app=$!
    # Asked every 10 ms: xdotool's own --sync asks only every half second, which
    # would round every start to a multiple of it.
    for _ in $(seq 6000); do
        window=$(xdotool search --onlyvisible --name '^Tav20$' 2>/dev/null | head -1) || true
        [ -z "$window" ] || break
        sleep 0.01
    done
    ms=$((($(date +%s%N) - began) / 1000000))
    [ -n "$window" ] || { echo "wine_startup.sh: $1 showed no main window" >&2; exit 1; }
    sleep 0.5
    xdotool windowfocus --sync "$window" key --delay 100 alt+f i 2>/dev/null || true
    for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
    kill $app 2>/dev/null || true
    wait $app || true
    echo "$ms"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

start tav20.exe >/dev/null
start tav20-linked.exe >/dev/null
module=() linked_in=()
for _ in $(seq "$runs"); do
    module+=("$(start tav20.exe)")
    linked_in+=("$(start tav20-linked.exe)")
done
echo "| Program (under Wine, median of $runs) | Start-up |"
echo "|---|---|"
echo "| tav20.exe, response window loaded when first opened | $(printf '%s\n' "${module[@]}" | median) ms |"
echo "| the same, response window linked in (Qt Charts at start) | $(printf '%s\n' "${linked_in[@]}" | median) ms |"
