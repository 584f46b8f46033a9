#!/bin/sh
# usage: tools/read_only.sh SCRATCH COMMAND...
# Runs COMMAND where it can change no file: in a mount namespace of its own every
# mount is read-only, /proc/sys too; /dev holds only the character devices a
# program and its X connection use, on a mount that allows no others; an empty
# tmpfs over SCRATCH is its home and working folder. Started as root, COMMAND
# runs as the unprivileged user nobody; otherwise as the user who started it,
# whom a user namespace makes root of the mounts alone. Random keys reach file
# dialogs, which create, rename and delete files wherever their user may.
set -e
if [ -z "$READ_ONLY_AS" ]; then
    if [ "$(id -u)" = 0 ]; then
        READ_ONLY_AS=nobody exec unshare --mount sh "$0" "$@"
    fi
    READ_ONLY_AS=self exec unshare --user --map-root-user --mount sh "$0" "$@"
fi
scratch=$1
shift
mount --make-rprivate /

# A /dev of its own, built beside the old one and moved over it.
dev=$(mktemp -d)
mount -t tmpfs -o nosuid,nodev,noexec,mode=755,size=1m devices "$dev"
for node in null zero full random urandom tty; do
    [ -e "/dev/$node" ] || continue
    touch "$dev/$node"
    mount --bind "/dev/$node" "$dev/$node"
done
mkdir "$dev/pts" "$dev/shm"
mount --bind /dev/pts "$dev/pts"
mount -t tmpfs -o nosuid,nodev,noexec,mode=1777,size=16m shm "$dev/shm"
ln -s /proc/self/fd "$dev/fd"
mount --move "$dev" /dev
rmdir "$dev"
mount --bind /proc/sys /proc/sys
mount -o remount,bind,ro /proc/sys

awk '{ print $5, $6 }' /proc/self/mountinfo | sort -r | while read -r point options; do
    case ",$options," in *,ro,*) continue ;; esac
    # The debugger writes to the program's memory through /proc; /dev is built above.
    case "$point" in /proc | /proc/* | /dev | /dev/*) continue ;; esac
    # A remount must keep the flags the mount was locked with.
    kept=$(echo "$options" | tr ',' '\n' | grep -xE 'nosuid|nodev|noexec|noatime|nodiratime|relatime' | paste -sd, -)
    mount -o "remount,bind,ro${kept:+,$kept}" "$point" || {
        echo "read_only.sh: cannot make $point read-only; not starting $1" >&2
        exit 1
    }
done
if [ "$READ_ONLY_AS" = nobody ]; then
    mount -t tmpfs -o nosuid,nodev,size=64m,mode=700,uid=65534,gid=65534 home "$scratch"
    set -- setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
else
    mount -t tmpfs -o nosuid,nodev,size=64m,mode=700 home "$scratch"
fi
cd "$scratch"
exec env -u READ_ONLY_AS HOME="$scratch" TMPDIR="$scratch" XDG_RUNTIME_DIR="$scratch" "$@"
