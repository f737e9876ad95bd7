#!/usr/bin/env bash
# Gathers the Windows program with the DLLs and plugins it needs into one folder, then makes
# the portable zip of that folder and the installer of the same files.
#   stage.sh BUILD_DIR QT_PREFIX GCC_RUNTIME_DIR
set -euo pipefail
build="$1"
qt="$2"
gcc_runtime="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="KeltDescendantAstrology-$version-windows-x64"
stage="$build/$name"

rm -rf "$stage"
mkdir -p "$stage/platforms" "$stage/imageformats" "$stage/licenses"
cp "$build/KeltFreeDescendantAstrology.exe" "$stage/"
cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
cp "$gcc_runtime"/lib{gcc_s_seh-1,stdc++-6}.dll /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll \
    "$stage/"
# The native platform, and the JPEG reader for the sign pictures; nothing else is loaded.
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/imageformats/qjpeg.dll" "$stage/imageformats/"
x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# The licences of what travels with the program, from the sources it was built from.
cp "$root/LICENSE" "$stage/LICENSE.txt"
qt_source="$(ls "${KELT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelt-windows}"/qt6-base_*.orig.tar.xz)"
notices="$(mktemp -d)"
trap 'rm -rf "$notices"' EXIT
top=qtbase-everywhere-src-6.4.2
tar -xf "$qt_source" -C "$notices" "$top/LICENSES" "$top/src/3rdparty"
copy_licence() { cp "$notices/$top/$1" "$stage/licenses/$2"; }
copy_licence LICENSES/LGPL-3.0-only.txt Qt-LGPL-3.0.txt
copy_licence LICENSES/GPL-3.0-only.txt GPL-3.0.txt
copy_licence src/3rdparty/freetype/LICENSE.txt FreeType.txt
copy_licence src/3rdparty/harfbuzz-ng/COPYING HarfBuzz.txt
copy_licence src/3rdparty/libpng/LICENSE libpng.txt
copy_licence src/3rdparty/libjpeg/LICENSE libjpeg-turbo.txt
copy_licence src/3rdparty/zlib/LICENSE zlib.txt
copy_licence src/3rdparty/pcre2/LICENCE PCRE2.txt
copy_licence src/3rdparty/double-conversion/LICENSE double-conversion.txt
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licenses/mingw-w64.txt"
cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$stage/licenses/GCC-runtime.txt"
cp "$root/packaging/windows/THIRD-PARTY.txt" "$stage/THIRD-PARTY.txt"
cp "$root/content/icon/kelt.ico" "$stage/kelt.ico"

# Windows readers expect CRLF in a text file.
for text in "$stage"/*.txt "$stage"/licenses/*.txt; do
    sed -i 's/\r$//; s/$/\r/' "$text"
done

(cd "$build" && rm -f "$name.zip" && zip -q -r -X "$name.zip" "$name")
echo "Portable zip: $build/$name.zip"

bash "$root/scripts/windows/make-installer.sh" "$stage" "$build/kelt_uninstall.exe" "$version" \
    "$build/KeltDescendantAstrology-$version-setup.exe"
