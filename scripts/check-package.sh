#!/usr/bin/env bash
# Checks the Debian package that `make package` made:
#   bash scripts/check-package.sh [BUILD_DIR]     (default: build)
# Unpacks it, checks it the way a distribution would (lintian, the policy files, the
# manual page, the hardening of the program), validates the .desktop and metainfo files,
# looks for the icons and both commands, prints its dependencies, and starts the unpacked
# program headless by each command name. Then builds the package a second time from the
# same source in a folder of its own and requires the two to be the same, byte for byte.
# Exits non-zero on the first failure.
set -euo pipefail

build_dir=${1:-build}
app_id=com.sarvelsoftwares.kelt_descendant_astrology
program=KeltFreeDescendantAstrology
command=kelt-descendant-astrology
package=kelt-descendant-astrology

fail() {
    echo "check-package: FAIL: $*" >&2
    exit 1
}
ok() {
    echo "check-package: ok: $*"
}

for tool in dpkg-deb desktop-file-validate appstreamcli file apt-get lintian man gzip readelf nm \
    cmp make; do
    command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/install-deps.sh)"
done

[ -d "$build_dir" ] || fail "no build folder $build_dir (run make package)"
deb=$(ls -t "$build_dir"/"$package"_*.deb 2>/dev/null | head -n 1 || true)
[ -n "$deb" ] || fail "no ${package}_*.deb in $build_dir (run make package)"
ok "package $deb"

tmp=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do
        kill -KILL "$p" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

root=$tmp/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x could not unpack $deb"

# Control fields.
[ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "package name is not $package"
version=$(dpkg-deb -f "$deb" Version)
architecture=$(dpkg-deb -f "$deb" Architecture)
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "check-package: Version: $version"
echo "check-package: Architecture: $architecture"
echo "check-package: Depends: $depends"
echo "check-package: Recommends: $recommends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done
grep -qw "qt6-wayland" <<<"$recommends" || fail "Recommends lacks qt6-wayland"
[ "$(basename "$deb")" = "${package}_${version}_${architecture}.deb" ] ||
    fail "file name $(basename "$deb") does not match version $version and architecture $architecture"
ok "file name, version and architecture agree"

# Debian policy: copyright and changelog in the package's doc folder, a manual page for
# every command, each compressed file made with gzip -9n.
doc=$root/usr/share/doc/$package
[ -f "$doc/copyright" ] || fail "missing /usr/share/doc/$package/copyright"
head -n 1 "$doc/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
[ -f "$doc/changelog.Debian.gz" ] || fail "missing /usr/share/doc/$package/changelog.Debian.gz"
gzip -t "$doc/changelog.Debian.gz" || fail "changelog.Debian.gz is not a sound gzip file"
top=$(gzip -dc "$doc/changelog.Debian.gz" | head -n 1)
[[ "$top" == "${package} (${version}) "* ]] ||
    fail "the changelog's newest entry is not for $version: $top"
ok "copyright and changelog.Debian.gz"

man1=$root/usr/share/man/man1
for name in "$command" "$program"; do
    page=$man1/$name.1.gz
    [ -e "$page" ] || fail "missing manual page /usr/share/man/man1/$name.1.gz"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || fail "manual page $name.1.gz: $warnings"
done
[ "$(readlink "$man1/$program.1.gz")" = "$command.1.gz" ] ||
    fail "$program.1.gz is not a link to $command.1.gz"
ok "manual page under both names"

# lintian, as Debian's archive checks a package: every tag, down to the pedantic ones, is
# either fixed or overridden with its reason in /usr/share/lintian/overrides/$package.
echo "check-package: lintian --display-info --pedantic --show-overrides"
# Run as root (as CI runs it), lintian says that this is not recommended; that is all.
lintian_log=$(lintian --display-info --pedantic --show-overrides "$deb" 2>&1 |
    grep -vx 'running with root privileges is not recommended!'; exit "${PIPESTATUS[0]}") ||
    { echo "$lintian_log" >&2; fail "lintian could not check the package"; }
echo "$lintian_log"
# Overridden tags show as "O:" with their reason as "N:"; any other tag is left to fix.
if grep -qE '^[EWIPX]: ' <<<"$lintian_log"; then
    fail "lintian reports tags that are neither fixed nor overridden"
fi
ok "lintian: nothing left but overrides"

# The .desktop file.
desktop=$root/usr/share/applications/$app_id.desktop
[ -f "$desktop" ] || fail "missing /usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
grep -qx "Exec=$command" "$desktop" || fail "the .desktop file does not run $command"
grep -qx "Icon=$app_id" "$desktop" || fail "the .desktop file does not name icon $app_id"
# Qt names the window's class after the command that started it.
grep -qx "StartupWMClass=$command" "$desktop" ||
    fail "the .desktop file's StartupWMClass is not $command"
ok "desktop-file-validate $app_id.desktop"

# The AppStream metainfo: valid, pedantic hints included, and nothing to say but that the
# maker's addresses are plain http.
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "missing /usr/share/metainfo/$app_id.metainfo.xml"
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || {
    echo "$report" >&2
    fail "appstreamcli rejects $app_id.metainfo.xml"
}
echo "$report"
others=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ': url-not-secure' || true)
[ -z "$others" ] || fail "appstreamcli has more to say than url-not-secure: $others"
ok "appstreamcli validate --pedantic --no-net $app_id.metainfo.xml"

# The icons, each PNG of the size its folder names, and twice that in the "@2" folder.
icons=$root/usr/share/icons/hicolor
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$app_id.png
    [ -f "$png" ] || fail "missing icon ${size}x${size}/apps/$app_id.png"
    file -b "$png" | grep -q "PNG image data, $size x $size" ||
        fail "icon ${size}x${size} is not a ${size}x${size} PNG: $(file -b "$png")"
    double=$((size * 2))
    png=$icons/${size}x${size}@2/apps/$app_id.png
    [ -f "$png" ] || fail "missing icon ${size}x${size}@2/apps/$app_id.png"
    file -b "$png" | grep -q "PNG image data, $double x $double" ||
        fail "icon ${size}x${size}@2 is not a ${double}x${double} PNG: $(file -b "$png")"
done
svg=$icons/scalable/apps/$app_id.svg
[ -f "$svg" ] || fail "missing icon scalable/apps/$app_id.svg"
file -b "$svg" | grep -qi "SVG" || fail "scalable icon is not an SVG: $(file -b "$svg")"
ok "icons 16..256, their @2 doubles and scalable"

# The program and its lower-case command.
binary=$root/usr/bin/$program
[ -x "$binary" ] && [ ! -L "$binary" ] || fail "missing or not executable: /usr/bin/$program"
[ -L "$root/usr/bin/$command" ] && [ "$(readlink "$root/usr/bin/$command")" = "$program" ] ||
    fail "/usr/bin/$command is not a link to $program"
ok "/usr/bin/$program and /usr/bin/$command -> $program"

# Built as the distribution builds its programs: position-independent, relocations made
# read-only and bound at start, the stack protector and the fortified C library functions
# in use, and no run path of its own.
dynamic=$(readelf -d "$binary")
readelf -h "$binary" | grep -q 'Type:[[:space:]]*DYN' || fail "the program is not position-independent"
grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "the program is not a PIE executable"
readelf -lW "$binary" | grep -q GNU_RELRO || fail "the program has no read-only relocations"
grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "the program does not bind at start"
! grep -qE 'RUNPATH|RPATH' <<<"$dynamic" || fail "the program carries a run path: $(grep -E 'R(UN)?PATH' <<<"$dynamic")"
symbols=$(nm -D "$binary")
grep -q ' U __stack_chk_fail' <<<"$symbols" || fail "the program is built without the stack protector"
grep -qE ' U __[a-z_]+_chk(@|$)' <<<"$symbols" || fail "the program uses no fortified functions"
ok "PIE, relro, bind-now, stack protector, fortified functions, no run path"

# Could apt install it here? (a simulation: nothing is installed)
if ! apt_log=$(apt-get install -s "$(realpath "$deb")" 2>&1); then
    echo "$apt_log" >&2
    fail "apt-get cannot resolve the package's dependencies"
fi
ok "apt-get install -s resolves its dependencies"

# Start the unpacked program headless by each name, one after the other, as one user: it
# shows its first window and waits, holding the lock of its own file name, and both runs
# keep the one settings file.
runtime=$tmp/runtime
config=$tmp/config
cache=$tmp/cache
mkdir -p "$runtime" "$config" "$cache"
chmod 700 "$runtime"
# One lock per user, wherever the environment points: the runtime folder when it is really
# the user's, else a private folder in the home the password database names.
user_runtime=/run/user/$(id -u)
if [ -d "$user_runtime" ] && [ ! -L "$user_runtime" ] &&
    [ "$(stat -c %u:%a "$user_runtime")" = "$(id -u):700" ]; then
    lock=$user_runtime/$program.lock
else
    lock=$(getent passwd "$(id -u)" | cut -d: -f6)/.cache/SarvelSoftwares/$program.lock
fi
settings=$config/SarvelSoftwares/$program.ini

start_by() {
    local name=$1 log=$tmp/$1.log pid state
    # Found on PATH, as the desktop entry's Exec finds it; exec keeps the process id.
    PATH=$root/usr/bin:$PATH QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime \
        XDG_CONFIG_HOME=$config XDG_CACHE_HOME=$cache \
        sh -c "exec $name" >"$log" 2>&1 </dev/null &
    pid=$!
    pids+=("$pid")
    sleep 3
    state=$(sed -n 's/^State:[[:space:]]*\(.\).*/\1/p' "/proc/$pid/status" 2>/dev/null || true)
    if [ -z "$state" ] || [ "$state" = Z ] || [ "$state" = X ]; then
        local status=0
        wait "$pid" 2>/dev/null || status=$?
        echo "--- program output ---" >&2
        cat "$log" >&2
        fail "started as $name, the program ended within 3 s (exit status $status)"
    fi
    ok "started as $name, the program is running after 3 s (pid $pid)"
    { [ -f "$lock" ] && ! flock -n "$lock" true; } ||
        fail "started as $name, it does not hold $lock"
    ! ls -A "$(dirname "$lock")" | grep -qF "$command" ||
        fail "started as $name, a lock carries the command's name"
    [ -f "$settings" ] || fail "started as $name, it stored no SarvelSoftwares/$program.ini"
    [ "$(ls -A "$config/SarvelSoftwares")" = "$program.ini" ] ||
        fail "settings folder holds: $(ls -A "$config/SarvelSoftwares" | tr '\n' ' ')"
    ok "started as $name, it holds $program.lock and keeps SarvelSoftwares/$program.ini"

    kill -TERM "$pid" 2>/dev/null || true
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -s "$log" ]; then
        echo "--- program output ($name) ---"
        cat "$log"
    fi
}

start_by "$program"
first=$(cat "$settings")
start_by "$command"
[ "$(cat "$settings")" = "$first" ] || fail "the second start changed the stored setting"
if find "$tmp/config" "$tmp/cache" "$tmp/runtime" -name "*$command*" | grep -q .; then
    fail "something was stored under the command's name: $(find "$tmp" -name "*$command*")"
fi
ok "both names kept one settings file, SarvelSoftwares/$program.ini"

# Reproducible: the same source, built and packed again in a folder of its own (without
# the tests, which the package does not carry), gives the same file.
source_dir=$(cd "$(dirname "$0")/.." && pwd)
again=$(mktemp -d "$source_dir/build-again.XXXXXX")
cleanup_again() {
    rm -rf "$again"
    cleanup
}
trap cleanup_again EXIT
echo "check-package: building the package a second time in $again"
if ! make -C "$source_dir" package BUILD_DIR="$again" KELT_SKIP_DEPS=1 \
    CMAKE_ARGS=-DKELT_TESTS=OFF >"$tmp/again.log" 2>&1; then
    tail -n 40 "$tmp/again.log" >&2
    fail "the second build of the package failed"
fi
second=$(ls "$again"/"$(basename "$deb")" 2>/dev/null || true)
[ -n "$second" ] || fail "the second build made no $(basename "$deb")"
cmp -s "$deb" "$second" || fail "two builds of the same source differ: $(cmp "$deb" "$second" | head -n 1)"
ok "two builds of the same source give the same package, byte for byte"

echo "check-package: all checks passed for $(basename "$deb")"
