#!/usr/bin/env bash
# Checks the Debian package that `make package` made; builds nothing itself.
#   bash scripts/check-package.sh [BUILD_DIR]     (default: build)
# Unpacks it, validates the .desktop and metainfo files, looks for the icons and the
# program, prints its dependencies, and starts the unpacked program headless for a few
# seconds. Exits non-zero on the first failure.
set -euo pipefail

build_dir=${1:-build}
app_id=com.sarvelsoftwares.KeltDescendantAstrology
program=KeltFreeDescendantAstrology
package=kelt-descendant-astrology

fail() {
    echo "check-package: FAIL: $*" >&2
    exit 1
}
ok() {
    echo "check-package: ok: $*"
}

for tool in dpkg-deb desktop-file-validate appstreamcli file apt-get; do
    command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/install-deps.sh)"
done

[ -d "$build_dir" ] || fail "no build folder $build_dir (run make package)"
deb=$(ls -t "$build_dir"/"$package"_*.deb 2>/dev/null | head -n 1 || true)
[ -n "$deb" ] || fail "no ${package}_*.deb in $build_dir (run make package)"
ok "package $deb"

tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

root=$tmp/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x could not unpack $deb"

# Control fields.
[ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "package name is not $package"
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "check-package: Version: $(dpkg-deb -f "$deb" Version)"
echo "check-package: Depends: $depends"
echo "check-package: Recommends: $recommends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done

# The .desktop file.
desktop=$root/usr/share/applications/$app_id.desktop
[ -f "$desktop" ] || fail "missing /usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
grep -qx "Exec=$program" "$desktop" || fail "the .desktop file does not run $program"
grep -qx "Icon=$app_id" "$desktop" || fail "the .desktop file does not name icon $app_id"
ok "desktop-file-validate $app_id.desktop"

# The AppStream metainfo.
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "missing /usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $app_id.metainfo.xml"
ok "appstreamcli validate --no-net $app_id.metainfo.xml"

# The icons, each PNG of the size its folder names.
icons=$root/usr/share/icons/hicolor
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$app_id.png
    [ -f "$png" ] || fail "missing icon ${size}x${size}/apps/$app_id.png"
    file -b "$png" | grep -q "PNG image data, $size x $size" ||
        fail "icon ${size}x${size} is not a ${size}x${size} PNG: $(file -b "$png")"
done
svg=$icons/scalable/apps/$app_id.svg
[ -f "$svg" ] || fail "missing icon scalable/apps/$app_id.svg"
file -b "$svg" | grep -qi "SVG" || fail "scalable icon is not an SVG: $(file -b "$svg")"
ok "icons 16..256 and scalable"

# The program.
binary=$root/usr/bin/$program
[ -x "$binary" ] || fail "missing or not executable: /usr/bin/$program"
ok "/usr/bin/$program"

# Could apt install it here? (a simulation: nothing is installed)
if ! apt_log=$(apt-get install -s "$(realpath "$deb")" 2>&1); then
    echo "$apt_log" >&2
    fail "apt-get cannot resolve the package's dependencies"
fi
ok "apt-get install -s resolves its dependencies"

# Start the unpacked program headless: it shows its first window and waits.
runtime=$tmp/runtime
config=$tmp/config
mkdir -p "$runtime" "$config"
chmod 700 "$runtime"
log=$tmp/program.log
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$config \
    "$binary" >"$log" 2>&1 </dev/null &
pid=$!
sleep 3
state=$(sed -n 's/^State:[[:space:]]*\(.\).*/\1/p' "/proc/$pid/status" 2>/dev/null || true)
if [ -z "$state" ] || [ "$state" = Z ] || [ "$state" = X ]; then
    wait "$pid" 2>/dev/null && status=0 || status=$?
    pid=
    echo "--- program output ---" >&2
    cat "$log" >&2
    fail "the program ended within 3 s (exit status $status)"
fi
ok "the program is running after 3 s (pid $pid)"
if [ -f "$config/SarvelSoftwares/$program.ini" ]; then
    ok "it stored its setting in SarvelSoftwares/$program.ini"
fi

kill -TERM "$pid" 2>/dev/null || true
for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null || true
fi
wait "$pid" 2>/dev/null || true
pid=
if [ -s "$log" ]; then
    echo "--- program output ---"
    cat "$log"
fi

echo "check-package: all checks passed for $(basename "$deb")"
