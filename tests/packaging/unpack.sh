#!/usr/bin/env bash
# Builds the Debian package in the build tree and unpacks it into a test root
# exactly as dpkg would lay it out under /, leaving the machine's own /usr
# (and the dpkg lock that parallel runs would fight over) alone.
set -euo pipefail
build=$1
root=$(realpath -m "$2")

cd "$build"
rm -f tav20_*.deb
cpack -G DEB
rm -rf "$root"
dpkg-deb -x "tav20_1.00_$(dpkg --print-architecture).deb" "$root"
