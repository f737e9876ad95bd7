#!/usr/bin/env bash
# Runs `make bench` with the start-up of the Windows build under Wine beside the Linux
# figures, when `make windows` has made that build: the Windows probes are built there, and
# run in a Wine of their own whose server stays up for the whole run, as it does on a
# desktop where Wine is in use.
#   bench.sh WINDOWS_BUILD_DIR BENCH
set -euo pipefail
windows="$1"
bench="$2"
if [ ! -f "$windows/CMakeCache.txt" ] || ! command -v wine >/dev/null; then
    echo "No Windows build in $windows (make windows makes one): no figures under Wine."
    exec "$bench"
fi
windows="$(cd "$windows" && pwd)"
cmake --build "$windows" --target kelt_startup_probe kelt_floor_probe >/dev/null
qt="$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$windows/CMakeCache.txt")"
. "$(dirname "$0")/wine-env.sh" "$windows/wine-bench" "$qt"
wineserver -p
trap 'wineserver -k' EXIT
"$bench" --wine "$windows"
