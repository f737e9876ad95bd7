#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once, into a cache outside
# the clone. The folder's name carries a hash of this script, the toolchain file and the
# patches, so a change to any of them builds a fresh Qt and an unchanged one costs nothing.
# Prints the installed prefix on standard output; progress goes to standard error.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
version=6.4.2
debian_version="6.4.2+dfsg"
cache="${KELT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelt-windows}"
shopt -s nullglob
patches=("$here"/qt-*.patch)
key="$(cat "$0" "$here/mingw-w64-x86_64.cmake" "${patches[@]}" | sha256sum | cut -c1-12)"
prefix="$cache/qt-$version-mingw-$key"
jobs="${JOBS:-$(nproc 2>/dev/null || echo 2)}"

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
mkdir -p "$cache"

# The source: Debian's archive has it, though deb-src is seldom configured, so apt gets a
# private sources list for this one download.
tarball="$cache/qt6-base_$debian_version.orig.tar.xz"
if [ ! -f "$tarball" ]; then
    apt_dir="$cache/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")"
    printf 'deb-src http://deb.debian.org/debian %s main\n' "$codename" >"$apt_dir/sources.list"
    apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
        -o APT::Sandbox::User=root -qq)
    apt-get "${apt_options[@]}" update
    (cd "$apt_dir" && apt-get "${apt_options[@]}" source --download-only qt6-base >/dev/null)
    found="$(ls "$apt_dir"/qt6-base_*.orig.tar.xz | head -n 1)"
    case "$found" in
    *"_$debian_version.orig.tar.xz") mv "$found" "$tarball" ;;
    *)
        echo "build-qt: Debian offers $found, not Qt $version" >&2
        exit 1
        ;;
    esac
fi

work="$cache/work-$key"
rm -rf "$work"
mkdir -p "$work"
echo "Unpacking Qt $version into $work" >&2
tar -xf "$tarball" -C "$work"
src="$work/qtbase-everywhere-src-$version"
for patch in "${patches[@]}"; do
    echo "Applying $(basename "$patch")" >&2
    patch -d "$src" -p1 --quiet <"$patch"
done

# Only what the program and its tests use: Core, Gui, Widgets and Test, the windows and
# offscreen platforms, the JPEG reader for the sign pictures. A light optimisation level
# keeps the build short; the program does little work.
cmake -G Ninja -S "$src" -B "$work/build" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release \
    -DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON \
    -DCMAKE_C_FLAGS_RELEASE="-O1 -DNDEBUG" \
    -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
    -DFEATURE_glib=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_gif=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF \
    >"$work/configure.log" 2>&1 || {
    tail -n 40 "$work/configure.log" >&2
    exit 1
}
echo "Building Qt $version for Windows ($jobs jobs); log in $work/build.log" >&2
start=$SECONDS
if ! cmake --build "$work/build" --parallel "$jobs" >"$work/build.log" 2>&1; then
    grep -m 20 -B 2 -A 8 'error' "$work/build.log" >&2 || tail -n 40 "$work/build.log" >&2
    exit 1
fi
cmake --install "$work/build" >/dev/null
echo "Qt $version for Windows built in $((SECONDS - start)) s, $(du -sh "$prefix" | cut -f1)" >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
