#!/usr/bin/env bash
# What the package declares and ships: its name, version and run-time
# dependencies, exactly the files a user needs, and the icons as drawn.
# usage: check_package.sh DEB_DIR ROOT IMAGES   (the unpacked package, forms/images)
set -euo pipefail
deb=$1/tav20_1.00_$(dpkg --print-architecture).deb
root=$2
images=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }

# --- control fields
[ "$(field Package)" = tav20 ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = 1.00 ] || fail "version is '$(field Version)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
depends=$(field Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6charts6 libstdc++6 libc6 fonts-liberation2 fonts-dejavu-core; do
    grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed: $depends"
done

# --- shipped files: nothing more, nothing less (the icons are compared below)
expected="./usr/bin/tav20
./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tav20/odziv.so
./usr/share/applications/tav20.desktop
./usr/share/doc/tav20/changelog.gz
./usr/share/doc/tav20/copyright
./usr/share/lintian/overrides/tav20
./usr/share/man/man1/tav20.1.gz
./usr/share/metainfo/org.example.tav20.metainfo.xml
./usr/share/mime/packages/tav20.xml
./usr/share/tav20/primeri/bas-16cm.frd
./usr/share/tav20/primeri/bas-16cm.zma
./usr/share/tav20/primeri/srednji-10cm.frd
./usr/share/tav20/primeri/srednji-10cm.zma
./usr/share/tav20/primeri/visoki-25mm.frd
./usr/share/tav20/primeri/visoki-25mm.zma"
listing=$(dpkg-deb -c "$deb")
shipped=$(awk '$1 !~ /^d/ && $6 !~ /^.\/usr\/share\/icons\// { print $6 }' <<<"$listing" | sort)
[ "$shipped" = "$expected" ] || fail "files differ:"$'\n'"$shipped"
grep -q '^-rwxr-xr-x root/root .* ./usr/bin/tav20$' <<<"$listing" || fail "program mode or owner"
# Qt Charts is the response window's alone, loaded when that window is opened.
! readelf -d "$root/usr/bin/tav20" | grep -q 'NEEDED.*Charts' || fail "the program itself links Qt Charts"
readelf -d "$root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tav20/odziv.so" | grep -q 'NEEDED.*Charts' ||
    fail "odziv.so does not link Qt Charts"

# --- the icons are the generator's, the 32-pixel one the program's own
diff -r "$root/usr/share/icons/hicolor" "$images/hicolor" || fail "icons differ from $images/hicolor"

# --- apt resolves every dependency from what the archive offers
if ! apt=$(apt-get install --simulate "$(realpath "$deb")" 2>&1); then
    echo "$apt" >&2
    fail "apt cannot install the package"
fi
echo "package ok: $depends"
