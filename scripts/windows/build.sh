#!/usr/bin/env bash
# `make windows`: the Windows program cross-built here with MinGW-w64, every test suite run
# under Wine, then the portable zip and the installer, checked under Wine too.
#   BUILD_DIR   where it all goes (build-windows)
#   JOBS        parallel build jobs
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
build="$root/${BUILD_DIR:-build-windows}"
jobs="${JOBS:-$(nproc 2>/dev/null || echo 2)}"
werror="$([ -n "${CI:-}" ] && echo ON || echo OFF)"
here="$root/scripts/windows"

bash scripts/install-deps.sh windows

qt="$(bash "$here/build-qt.sh" | tail -n 1)"
echo "Qt for Windows: $qt"

cmake -G Ninja -S . -B "$build" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DKELT_WERROR="$werror" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-test.sh" \
    -DKELT_TEST_FONTDIR="Z:/usr/share/fonts/truetype/dejavu" >/dev/null
cmake --build "$build" --parallel "$jobs"

. "$here/wine-env.sh" "$build/wine" "$qt"

# The suite's programs run in a Wine desktop, as Windows programs run in Windows' own: Wine
# then stacks, activates and frames their windows itself, as Windows does. Outside one it
# leaves that to the X server's window manager, which Xvfb has none of, and waits two
# seconds for one at every window it hides.
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Kelt /d 1280x1024 /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Kelt /f >/dev/null
wineserver --wait

# Every address the suite hands to the desktop goes, through Wine's browser bridge, to a
# stand-in for the browser that keeps it as a file: no browser opens, and a test can read it.
standin="$build/standin-browser"
rm -rf "$standin"
mkdir -p "$standin/handed"
cat >"$standin/xdg-open" <<EOF
#!/bin/sh
printf '%s' "\$1" >"\$(mktemp "$standin/handed/address.XXXXXX")"
EOF
chmod +x "$standin/xdg-open"
export PATH="$standin:$PATH" KELT_STANDIN_BROWSER="Z:$standin/handed"

# The suite runs in one Wine session, started before the first test: else the server and
# the services that the first test starts keep its output open, and CTest counts that test
# as running until the session ends with the last one, past its time limit in a long run.
echo "Running the suite under Wine, on the offscreen platform and on the native one"
(cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    trap "wineserver -k" EXIT
    wine wineboot
    ctest --output-on-failure --parallel "$1"' suite "$jobs")

bash "$here/stage.sh" "$build" "$qt" "$gcc_runtime"
bash "$here/check-installer.sh" "$build"
