#!/usr/bin/env bash
# The Windows toolkit: a minimal static Qt for x86_64-w64-mingw32, cross-built from Debian's
# qt6-base source of the host Qt's version (with Debian's patches) and kept in a cache outside
# the clone, keyed by that version, the options below, the toolchain file and the compiler.
#   qt_toolkit.sh prefix   prints the toolkit's folder, present or not
#   qt_toolkit.sh present  succeeds if the toolkit is there
#   qt_toolkit.sh build    builds and installs it there unless it is present, then prints it
# A build that broke off goes on where it stopped: its work folder stays until the end.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/mingw-w64-x86_64.cmake
compiler=x86_64-w64-mingw32-g++-posix

# Core, Gui, Widgets, Test and the Windows platform plugin with PNG and GIF; no OpenGL, D-Bus,
# SQL, network, ICU or fontconfig. Debian's source lacks wintab, so no tablet events; the
# DirectWrite font database needs direct2d, which stays on. zlib, libpng, PCRE2 and HarfBuzz
# are Qt's bundled copies.
options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_ico=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_pkg_config=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
)

package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev) # e.g. 6.4.2+dfsg-10
qt_version=${package_version%%+*}
key=$({
    printf '%s\n' "$package_version" "${options[@]}"
    cat "$toolchain"
    "$compiler" -dumpfullversion
} | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quabbel
prefix=$cache/qt-$qt_version-mingw-static-$key
# Written last, so that a build that broke off is not taken for a toolkit.
stamp=$prefix/quabbel-toolkit-complete

case ${1:-} in
prefix)
    echo "$prefix"
    exit 0
    ;;
present)
    [ -e "$stamp" ]
    exit
    ;;
build) ;;
*)
    echo "usage: $0 prefix|present|build" >&2
    exit 2
    ;;
esac

if [ -e "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

step() { printf '%s [%3d min] %s\n' "$(date +%T)" $((SECONDS / 60)) "$*" >&2; }

work=$cache/work-$key
source_dir=$work/qt6-base-${package_version%-*}
mkdir -p "$work" "$prefix/notices"
log=$work/build.log
trap 'echo "Windows toolkit failed; the log is $log" >&2' ERR

step "Windows toolkit: Qt $package_version for x86_64-w64-mingw32 into $prefix"

# apt-get with a list of its own: the source of the same Debian mirror and suite that the
# installed Qt came from, without touching the system's apt set-up. dpkg-source unpacks it and
# applies Debian's patches (format 3.0 quilt); the source folder is named once that is done.
fetch_source() {
    local fetch=$work/fetch
    rm -rf "$fetch"
    mkdir -p "$fetch/apt/lists/partial" "$fetch/apt/archives/partial"
    apt-cache madison qt6-base-dev | awk -F' [|] ' -v version="$package_version" '
        $2 == version { split($3, where, " "); split(where[2], suite, "/");
                        print "deb-src", where[1], suite[1], suite[2] }' >"$fetch/sources.list"
    if [ ! -s "$fetch/sources.list" ]; then
        echo "No Debian mirror offers qt6-base-dev $package_version" >&2
        exit 1
    fi
    local apt=(apt-get -q -o "Dir::Etc::SourceList=$fetch/sources.list"
        -o Dir::Etc::SourceParts=/dev/null -o "Dir::State::Lists=$fetch/apt/lists"
        -o "Dir::Cache=$fetch/apt" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
    step "Fetching the source from $(cut -d' ' -f2- "$fetch/sources.list" | paste -sd,)"
    "${apt[@]}" update >>"$log" 2>&1
    (cd "$fetch" && "${apt[@]}" source "qt6-base=$package_version" >>"$log" 2>&1)
    mv "$fetch/$(basename "$source_dir")" "$source_dir"
    rm -rf "$fetch"
}
if [ ! -d "$source_dir" ]; then
    fetch_source
fi
step "Applied $(wc -l <"$source_dir/.pc/applied-patches") of Debian's patches"

step "Configuring"
cmake -S "$source_dir" -B "$work/build" -G Ninja --toolchain "$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    "${options[@]}" >>"$log" 2>&1

# Ninja's "[done/total]" lines, shown at every tenth of the way.
step "Building"
cmake --build "$work/build" 2>&1 | tee -a "$log" | awk '
    match($0, /^\[[0-9]+\/[0-9]+\]/) {
        split(substr($0, 2, RLENGTH - 2), count, "/")
        tenth = int(10 * count[1] / count[2])
        if (tenth > shown) { shown = tenth; printf "%s  built %d of %d\n", strftime("%T"), count[1], count[2] > "/dev/stderr" }
    }'

step "Installing"
cmake --install "$work/build" >>"$log" 2>&1
# Qt's licences and, beside each attribution file of the code that Qt carries, the licence
# text it names, at their places in the source; the program's zip takes those it links.
copy_notices() {
    local json name file
    cd "$source_dir"
    cp -r --parents LICENSES "$prefix/notices"
    find src -name qt_attribution.json | while read -r json; do
        cp --parents "$json" "$prefix/notices"
        for name in $(sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' "$json"); do
            file=$(realpath --relative-to=. "$(dirname "$json")/$name")
            if [ -e "$file" ]; then
                cp --parents "$file" "$prefix/notices"
            else
                echo "$json names $name, which the source lacks" >>"$log"
            fi
        done
    done
}
(copy_notices)

{
    echo "Qt $package_version, built in $((SECONDS / 60)) min $((SECONDS % 60)) s with:"
    printf '  %s\n' "${options[@]}"
} >"$stamp"
rm -rf "$work"
step "Windows toolkit done in $((SECONDS / 60)) min $((SECONDS % 60)) s, $(du -sh "$prefix" | cut -f1)"
echo "$prefix"
