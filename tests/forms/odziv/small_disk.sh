#!/bin/sh
# Runs one function of a Qt test with a small file system of its own (a tmpfs of
# 512 KiB) in TAV20_SMALL_DISK, mounted in a user and mount namespace, so that it
# can fill the disk without touching the machine's. Where user namespaces are
# turned off it runs the function without one, and the function skips.
set -eu
program=$1
function=$2
dir=$(mktemp -d)
trap 'rmdir "$dir"' EXIT
if unshare --user --map-root-user --mount true 2>/dev/null; then
    unshare --user --map-root-user --mount sh -c \
        'mount -t tmpfs -o size=512k none "$0" && TAV20_SMALL_DISK=$0 exec "$1" "$2"' \
        "$dir" "$program" "$function"
else
    "$program" "$function"
fi
