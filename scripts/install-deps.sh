#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages one step needs, and only those that are missing, so a
# second run costs nothing:
#   bash scripts/install-deps.sh [run|test|package|windows]...     (default: run)
#   run       building and running the program
#   test      run's, and the test suites' (an X server, a window manager, the accessibility bus)
#   package   run's, and the tools that build and check the Debian package
#   windows   run's, and the cross tools, Wine and NSIS for the Windows program
# KELT_SKIP_DEPS=1 skips the step, for a machine whose administrator has installed them.
set -euo pipefail

run_packages=(
    g++ make cmake pkg-config
    # The distribution's hardening flags, which every build uses.
    dpkg-dev
    qt6-base-dev libgl-dev libxkbcommon-dev
    fonts-dejavu-core
)
test_packages=(
    # The end-to-end suite: an X server, a window manager, keys through the X server and
    # the accessibility bus, read with Debian's own Python bindings.
    xvfb openbox xdotool x11-utils procps dbus at-spi2-core python3 python3-pyatspi
    orca speech-dispatcher # the screen reader the end-to-end suite listens with
    # The exact descendant's references: Swiss Ephemeris and the IAU's SOFA routines.
    swetest python3-erfa
)
windows_packages=(
    g++-mingw-w64-x86-64-posix ninja-build wine wine64 fonts-wine nsis zip xz-utils patch
    # The installer's check: the program on the native platform, on an X server.
    xvfb xdotool x11-utils
)
package_packages=(
    file desktop-file-utils appstream
    # lintian as Debian's archive runs it, and man to read the manual page.
    lintian man-db
)

[ -n "${KELT_SKIP_DEPS:-}" ] && exit 0

packages=("${run_packages[@]}")
for set in "${@:-run}"; do
    case $set in
    run) ;;
    test) packages+=("${test_packages[@]}") ;;
    package) packages+=("${package_packages[@]}") ;;
    windows) packages+=("${windows_packages[@]}") ;;
    *)
        echo "install-deps: unknown set '$set' (run, test, package or windows)" >&2
        exit 2
        ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

# Root installs; anyone else through sudo, which may ask for a password on a terminal.
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
    if ! command -v sudo >/dev/null ||
        ! { sudo -n true 2>/dev/null || { [ -t 0 ] && sudo -v; }; }; then
        echo "install-deps: missing packages, and no root or sudo to install them:" \
            "${missing[*]}. Have an administrator run" \
            "'apt-get install ${missing[*]}', or set KELT_SKIP_DEPS=1 to go on without them." >&2
        exit 1
    fi
fi

# apt and dpkg talk a lot; their output goes to a log that is shown only when they fail.
log=$(mktemp "${TMPDIR:-/tmp}/kelt-install-deps.XXXXXX")
trap 'rm -f "$log"' EXIT
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! { "${sudo[@]}" apt-get update -q && "${sudo[@]}" apt-get install -y -q \
    --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "install-deps: apt-get failed (above); set KELT_SKIP_DEPS=1 to go on without it" >&2
    exit 1
fi
echo "install-deps: done"
