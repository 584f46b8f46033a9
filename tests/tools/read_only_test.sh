#!/bin/sh
# The world tools/read_only.sh gives the monkey's program, probed from inside:
# it may write in its home alone; no file elsewhere, no block device and no
# kernel setting under /proc/sys can be opened for writing, even by root.
# Nothing is written when a probe fails to fail: the opens truncate nothing.
set -u
here=$(dirname "$(realpath "$0")")
scratch=$(mktemp -d)
trap 'rmdir "$scratch"' EXIT
# A block device of the machine, if it has one the probe can name.
block=$(find /dev -maxdepth 1 -type b | head -1)

if ! sh "$here/../../tools/read_only.sh" "$scratch" true 2>/dev/null; then
    echo "no mount namespace to be had here: skipped"
    exit 77
fi
sh "$here/../../tools/read_only.sh" "$scratch" sh -c '
    status=0
    refused() {
        if sh -c "$1" 2>/dev/null; then echo "FAIL: inside, $2 was allowed"; status=1; fi
    }
    refused ": 1<>/proc/sys/kernel/domainname" "opening a kernel setting for writing"
    refused ": 1<>/tav20-read-only-probe" "creating a file in /"
    refused ": 1<>/etc/hostname" "opening a file of the machine for writing"
    [ -z "$1" ] || refused ": 1<>$1" "opening the block device $1 for writing"
    refused "mknod \"$HOME/block\" b 7 0 && : 1<>\"$HOME/block\"" "making and opening a block device"
    echo probe >"$HOME/probe" || { echo "FAIL: the home is not writable"; status=1; }
    [ "$(id -u)" != 0 ] || [ "$(cat /proc/self/uid_map | cut -c1-20 | tr -s " ")" != " 0 0 4294967295" ] ||
        { echo "FAIL: inside, the program runs as root"; status=1; }
    [ $status = 0 ] && echo "read-only world: every probe refused"
    exit $status
' probe "$block"
