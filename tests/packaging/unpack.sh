#!/usr/bin/env bash
# Builds the Debian packages from debian/ (packaging/deb.sh) into BUILD/deb and
# unpacks the program's into a test root exactly as dpkg would lay it out under /,
# leaving the machine's own /usr (and the dpkg lock that parallel runs would fight
# over) alone. The package build runs no tests: the build tree has run them.
set -euo pipefail
build=$(realpath "$1")
root=$(realpath -m "$2")

DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
    "$(dirname "$0")/../../packaging/deb.sh" "$build/deb" -Pnocheck
rm -rf "$root"
dpkg-deb -x "$build/deb/tav20_1.00_$(dpkg --print-architecture).deb" "$root"
