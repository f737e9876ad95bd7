#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests and the package check need.
# Only what is missing is installed, so a second run costs nothing.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    qt6-base-dev libgl-dev
    fonts-dejavu-core
    dpkg-dev file desktop-file-utils appstream
    # The package check: lintian as Debian's archive runs it, and man to read the manual page.
    lintian man-db
    # The end-to-end suite: an X server, a window manager, keys through the X server and
    # the accessibility bus, read with Debian's own Python bindings.
    xvfb openbox xdotool x11-utils procps dbus at-spi2-core python3 python3-pyatspi
    orca speech-dispatcher # the screen reader the end-to-end suite listens with
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
