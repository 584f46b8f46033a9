#!/usr/bin/env bash
# Cross-builds Qt modules for 64-bit Windows into PREFIX, each once: a module
# that finished leaves PREFIX/.built-MODULE with its options and is reused as it
# is, so adding a module builds that module alone. qtbase gives Core, Gui, Widgets and the
# Windows platform plugin, from Debian's sources; qtcharts Qt Charts, from the
# first of: the tarball QT_CHARTS_SOURCE names, the copy in ../shared/third_party
# beside the project, Debian's sources. A tarball is used only when its SHA-256
# is the one recorded in qtcharts.sha256. The host Qt's moc, rcc and uic run
# during the build.
# Usage: [QT_CHARTS_SOURCE=TARBALL] build_qt.sh PREFIX TOOLCHAIN_FILE JOBS MODULE...
set -euo pipefail

here=$(dirname "$(realpath "$0")")
# Named from where the build was started, read from the work folder.
charts_source=${QT_CHARTS_SOURCE:+$(realpath -m "$QT_CHARTS_SOURCE")}
prefix=$1
toolchain=$(realpath "$2")
jobs=$3
shift 3
version=6.4.2

common=(-G Ninja
        -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        -DTAV20_QT_MINGW="$prefix"
        -DCMAKE_INSTALL_PREFIX="$prefix"
        -DCMAKE_BUILD_TYPE=Release
        -DQT_BUILD_EXAMPLES=OFF
        -DQT_BUILD_TESTS=OFF)

# Debian's repacked source lacks wintab.h, hence no tablet events; the Windows
# platform plugin does not compile without OpenGL, so it stays on; Print Support
# prints the bench sheet. The rest of qtbase is left out: the program needs none
# of it.
qtbase_options=(-DFEATURE_tabletevent=OFF
                -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
                -DFEATURE_testlib=OFF -DFEATURE_xml=OFF
                -DFEATURE_concurrent=OFF)
qtcharts_options=()

# A module's mark holds the options it was built with: a module built with
# others is built again.
options_of() { local options="${1}_options[@]"; echo "${!options}"; }
missing=()
for module in "$@"; do
    [ -e "$prefix/.built-$module" ] && [ "$(cat "$prefix/.built-$module")" = "$(options_of "$module")" ] ||
        missing+=("$module")
done
[ ${#missing[@]} = 0 ] && exit 0

work="$prefix.work"
mkdir -p "$work"
cd "$work"

# A deb-src entry of our own, so the machine's apt sources stay as they are.
apt_dir="$work/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
    "http://deb.debian.org/debian bookworm main" >"$apt_dir/sources.list"
apt_private=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
             -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists"
             -o "Dir::Cache=$apt_dir/cache"
             -o "APT::Sandbox::User=$(id -un)")

updated=
fetch() {  # package, folder the sources unpack to
    if [ ! -d "$2" ]; then
        [ -n "$updated" ] || apt-get "${apt_private[@]}" -qq update
        updated=yes
        apt-get "${apt_private[@]}" -qq source "$1" ||
            { echo "build_qt.sh: the archive did not give the sources of $1" >&2; return 1; }
        local unpacked
        unpacked=$(find . -maxdepth 1 -type d -name "$1-$version*" | head -1)
        [ -n "$unpacked" ] || { echo "build_qt.sh: no $1 $version in the archive" >&2; exit 1; }
        mv "$unpacked" "$2"
    fi
}

# The Qt Charts tarball to build from, checked against the recorded sum, or
# nothing where none is given or shipped beside the project.
charts_tarball() {
    local tarball=$charts_source
    [ -n "$tarball" ] || tarball=$(dirname "$(dirname "$here")")/../shared/third_party/qtcharts-everywhere-src-$version.tar.xz
    [ -e "$tarball" ] || {
        [ -z "$charts_source" ] || { echo "build_qt.sh: QT_CHARTS_SOURCE: no file $tarball" >&2; exit 1; }
        return 0
    }
    local expected actual
    expected=$(cut -d' ' -f1 "$here/qtcharts.sha256")
    actual=$(sha256sum "$tarball" | cut -d' ' -f1)
    if [ "$actual" != "$expected" ]; then
        echo "build_qt.sh: $tarball has SHA-256 $actual, not the $expected that" \
             "packaging/windows/qtcharts.sha256 records for Qt Charts $version; not building from it" >&2
        exit 1
    fi
    realpath "$tarball"
}


for module in "${missing[@]}"; do
    tarball=
    [ "$module" != qtcharts ] || tarball=$(charts_tarball)
    if [ -n "$tarball" ]; then
        if [ ! -d "$module" ]; then
            echo "build_qt.sh: Qt Charts from $tarball" >&2
            mkdir "$module"
            tar -xJf "$tarball" -C "$module" --strip-components=1
        fi
    elif ! fetch "qt6-${module#qt}" "$module"; then
        # Without Qt Charts the program is built without its response window;
        # the next run tries again.
        [ "$module" = qtcharts ] || exit 1
        echo "build_qt.sh: going on without Qt Charts" >&2
        continue
    fi
    options="${module}_options[@]"
    cmake -S "$module" -B "build-$module" "${common[@]}" "${!options}"
    cmake --build "build-$module" -j "$jobs"
    cmake --install "build-$module"
    options_of "$module" >"$prefix/.built-$module"
done
rm -rf "$work"
