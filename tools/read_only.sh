#!/bin/sh
# usage: tools/read_only.sh SCRATCH COMMAND...
# Runs COMMAND where it can change no file: in a mount namespace of its own every
# mount is read-only, and an empty tmpfs over SCRATCH is its home and working
# folder. Random keys reach file dialogs, which create, rename and delete files
# wherever their user may, and the user may be root.
# Run it as: unshare --user --map-root-user --mount sh tools/read_only.sh ...
set -e
scratch=$1
shift
mount --make-rprivate /
awk '{ print $5, $6 }' /proc/self/mountinfo | sort -r | while read -r point options; do
    case ",$options," in *,ro,*) continue ;; esac
    # The debugger writes to the program's memory through /proc.
    case "$point" in /proc | /proc/*) continue ;; esac
    # A remount must keep the flags the mount was locked with.
    kept=$(echo "$options" | tr ',' '\n' | grep -xE 'nosuid|nodev|noexec|noatime|nodiratime|relatime' | paste -sd, -)
    mount -o "remount,bind,ro${kept:+,$kept}" "$point" || {
        echo "read_only.sh: cannot make $point read-only; not starting $1" >&2
        exit 1
    }
done
mount -t tmpfs -o size=64m,mode=700 tmpfs "$scratch"
cd "$scratch"
exec env HOME="$scratch" TMPDIR="$scratch" XDG_RUNTIME_DIR="$scratch" "$@"
