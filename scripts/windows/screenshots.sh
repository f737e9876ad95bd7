#!/usr/bin/env bash
# Pictures of the Windows program's five windows under Wine, on the native platform, for
# docs/: the birth-details window, the exact descendant window, the result window, the about
# window and the exit window.
# Run after `make windows`; needs ImageMagick.
#   screenshots.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build-windows}" && pwd)"
if [ -z "${KELT_INSIDE_XVFB:-}" ]; then
    KELT_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
stage="$build/KeltDescendantAstrology-$version-windows-x64"
export WINEPREFIX="$build/wine-screenshots" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH WINEQT_PLUGIN_PATH QT_PLUGIN_PATH QT_QPA_PLATFORM QT_QPA_FONTDIR

# Inside a Wine desktop, which draws the windows' frames as Windows does; each picture is
# that desktop trimmed to the windows on it.
shoot() {
    sleep 2
    import -window root -trim +repage -define png:exclude-chunks=date,time "$root/docs/$1"
    echo "screenshots: docs/$1"
}
keys() {
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.5
    done
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    # Debian's Wine 8 looks for its own fonts (Tahoma, Marlett for the frame's buttons) in
    # the wrong folder; in the prefix's font folder it finds them.
    ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
(cd "$stage" && wine explorer /desktop=kelt,1024x768 KeltFreeDescendantAstrology.exe \
    >/dev/null 2>&1 &)
sleep 6
xdotool type --delay 80 "ann lee"
shoot windows-birth-details-window.png
# A birth in Paris, picked with the keyboard.
keys alt+f p alt+b
for typed in 12 may 1990 14 35 paris; do
    xdotool type --delay 80 "$typed"
    keys Tab
done
keys shift+Tab Down Return
shoot windows-exact-descendant-window.png
keys Escape alt+d
shoot windows-result-window.png
keys alt+h a
shoot windows-about-window.png
keys Return alt+e
shoot windows-exit-window.png
wineserver -k
