#!/usr/bin/env bash
# Packs the Windows release BUILD/tav20-VERSION-windows-x86_64.zip: tav20.exe,
# the Qt plugins it loads, every DLL that these import from the Qt cross build
# or the MinGW runtime, the licences and a README in Serbian. Any other import
# must be part of Windows itself (system_dlls.txt), or packing fails.
# Usage: pack.sh BUILD QT_PREFIX VERSION
set -euo pipefail

build=$1
qt=$2
version=$3
here=$(dirname "$(realpath "$0")")
root=$(dirname "$(dirname "$here")")
mingw=x86_64-w64-mingw32

name=tav20-$version-windows-x86_64
stage=$build/$name
rm -rf "$stage" "$build/$name.zip"
mkdir -p "$stage/platforms" "$stage/styles"

runtime_dir() { dirname "$(realpath "$($mingw-g++-posix -print-file-name="$1")")"; }
dll_dirs=("$qt/bin" "$(runtime_dir libstdc++-6.dll)" "$(runtime_dir libwinpthread-1.dll)")

cp "$build/app/tav20.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
queue=("$stage/tav20.exe" "$stage/platforms/qwindows.dll" "$stage/styles/qwindowsvistastyle.dll")
# The response window, a module the program loads when the window is first
# opened; a release built without Qt Charts has none.
if [ -e "$build/app/odziv.dll" ]; then
    cp "$build/app/odziv.dll" "$stage/"
    queue+=("$stage/odziv.dll")
fi

# Follows the imports from the program, its module and its plugins, breadth first.
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $("$here/imports.sh" "$file"); do
        [ -e "$stage/$dll" ] && continue
        grep -qixF "$dll" "$here/system_dlls.txt" && continue
        found=
        for dir in "${dll_dirs[@]}"; do
            [ -e "$dir/$dll" ] && { found=$dir/$dll; break; }
        done
        [ -n "$found" ] || { echo "pack.sh: $file imports $dll, from nowhere known" >&2; exit 1; }
        cp "$found" "$stage/"
        queue+=("$stage/$dll")
    done
done
find "$stage" -name '*.exe' -o -name '*.dll' | xargs $mingw-strip --strip-unneeded

cp "$root/LICENSE" "$stage/LICENSE"
cp "$here/README.txt" "$stage/README.txt"
mkdir "$stage/licenses"
cp /usr/share/common-licenses/LGPL-3 "$stage/licenses/Qt-LGPL-3.txt"
[ ! -e "$stage/Qt6Charts.dll" ] || cp /usr/share/common-licenses/GPL-3 "$stage/licenses/Qt-Charts-GPL-3.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64.txt"
# Windows' Notepad wants CR LF line ends.
sed -i "s/$/\r/" "$stage/LICENSE" "$stage"/*.txt "$stage"/licenses/*.txt

(cd "$build" && zip -qrX "$name.zip" "$name")
echo "$build/$name.zip"
