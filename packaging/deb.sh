#!/usr/bin/env bash
# Builds the Debian source and binary packages with dpkg-buildpackage from a copy
# of this work tree (what git tracks or would add, uncommitted changes included)
# in OUT/tav20-VERSION, so that the build's files and the packages, which
# dpkg-buildpackage writes beside the tree, all stay under OUT.
# usage: packaging/deb.sh OUT [dpkg-buildpackage options]
set -euo pipefail
out=$(realpath -m "$1")
shift
source=$(realpath "$(dirname "$0")/..")
tree=$out/tav20-$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)

rm -rf "$out"
mkdir -p "$tree"
git -C "$source" ls-files -z --cached --others --exclude-standard --deduplicate |
    while IFS= read -r -d '' file; do
        # A file deleted but not yet committed is still listed.
        if [ -e "$source/$file" ]; then printf '%s\0' "$file"; fi
    done |
    tar -C "$source" --null -T - -cf - | tar -C "$tree" -xf -
cd "$tree"
dpkg-buildpackage -us -uc -J "$@"
