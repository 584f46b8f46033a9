#!/usr/bin/env bash
# make windows-test: the Windows release of BUILD as a user unpacks it, under
# Wine. Checks that every DLL it imports is in the zip or part of Windows,
# runs the core's tests, then walks every form under a decimal comma
# (Serbian, Latin script) and a decimal point (US English) in Xvfb, with
# screenshots in BUILD/screenshots/LOCALE.
# usage: run.sh BUILD
set -euo pipefail

build=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
root=$(realpath "$here/../../..")
zip=$(ls "$build"/tav20-*-windows-x86_64.zip)
release=$build/unpacked/$(basename "$zip" .zip)

rm -rf "$build/unpacked"
mkdir -p "$build/unpacked"
unzip -q "$zip" -d "$build/unpacked"

echo "== DLL imports"
status=0
while IFS= read -r -d '' file; do
    for dll in $("$root/packaging/windows/imports.sh" "$file"); do
        [ -e "$release/$dll" ] && continue
        grep -qixF "$dll" "$root/packaging/windows/system_dlls.txt" && continue
        echo "${file#"$release"/} imports $dll, which is neither in the zip nor part of Windows"
        status=1
    done
done < <(find "$release" \( -name '*.exe' -o -name '*.dll' \) -print0)
[ $status = 0 ] || exit 1
echo "every import is in the zip or part of Windows"
# Qt Charts is the response window's alone, loaded when that window is opened.
if "$root/packaging/windows/imports.sh" "$release/tav20.exe" | grep -qix 'Qt6Charts.dll'; then
    echo "tav20.exe imports Qt6Charts.dll itself"
    exit 1
fi

# A Wine prefix of this build's own, made afresh: Windows as a new user has it.
export WINEPREFIX=$build/wine
rm -rf "$WINEPREFIX"
"$root/packaging/windows/wine.sh" wineboot --init 2>/dev/null
# Debian's Wine leaves the prefix's font folder empty, where Windows keeps MS
# Sans Serif and the other faces of its own: Wine's copies of them go there.
ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

echo "== core tests"
# The tests take the MinGW runtime DLLs from the zip; Wine's drive Z: is /.
(cd "$build" && WINEPATH="Z:${release//\//\\}" ctest --output-on-failure -j 2)

# Wine takes its regional settings from the Unix locale, which is compiled
# here rather than installed on the machine. Wine knows Serbian only with its
# script named: sr_RS alone gives Wine's en-US.
locales=$build/locales
mkdir -p "$locales"
localedef -i sr_RS@latin -f UTF-8 "$locales/sr_RS.UTF-8@latin"
localedef -i en_US -f UTF-8 "$locales/en_US.UTF-8"

cp "$build/tests/packaging/windows/windows_settings.exe" "$release/"
for setting in "sr_RS.UTF-8@latin ," "en_US.UTF-8 ."; do
    read -r locale decimal <<<"$setting"
    echo "== forms under $locale"
    LOCPATH=$locales LANG=$locale LC_ALL=$locale \
        "$root/tests/e2e/session.sh" "$here/walk.sh" "$release" "$release/windows_settings.exe" \
        "$build/screenshots/${locale%%.*}" "$decimal"
done
