#!/usr/bin/env bash
# The binary packages that BUILD/deb holds, built again from the same tree in
# another folder and at another time, with SOURCE_DATE_EPOCH from debian/changelog
# alone: both builds must give the same bytes.
set -euo pipefail
build=$(realpath "$1")
again=$build/deb-again

DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" nice \
    "$(dirname "$0")/../../packaging/deb.sh" "$again" -Pnocheck -b >"$build/deb-again.log" 2>&1 ||
    { tail -50 "$build/deb-again.log" >&2; exit 1; }
cd "$build/deb"
shopt -s nullglob
debs=(*.deb)
[ ${#debs[@]} -gt 0 ] || { echo "FAIL: no package in $build/deb" >&2; exit 1; }
for deb in "${debs[@]}"; do
    cmp "$deb" "$again/$deb" || { sha256sum "$deb" "$again/$deb" >&2; exit 1; }
done
rm -rf "$again"
echo "reproducible: ${debs[*]}"
