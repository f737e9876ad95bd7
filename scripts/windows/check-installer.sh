#!/usr/bin/env bash
# Checks the Windows installer under Wine the way a user meets it: a silent install, the
# installed program started from its own folder on the native platform (on an X server of
# its own), a second copy refused, a silent uninstall, and nothing left behind but the
# user's setting.
#   check-installer.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
if [ -z "${KELT_INSIDE_XVFB:-}" ]; then
    KELT_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
installer="$build/KeltDescendantAstrology-$version-setup.exe"
export WINEPREFIX="$build/wine-installer" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# The installed program must find everything it needs in its own folder.
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM QT_QPA_FONTDIR
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Sarvel Softwares/Kelt Descendant Astrology"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Kelt Descendant Astrology.lnk"
uninstall_key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\KeltDescendantAstrology'
setting_key='Software\\\\VB and VBA Program Settings\\\\KeltFreeDescendantAstrology\\\\Settings'

fail() {
    echo "check-installer: $*" >&2
    wineserver -k 2>/dev/null || true
    exit 1
}
# Waits up to 60 s for a command to succeed.
wait_for() {
    local what="$1"
    shift
    for _ in $(seq 300); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    fail "timed out waiting for $what"
}
window() { xdotool search --name "^$1\$"; }
# Lists what the prefix holds, leaving out what Wine itself keeps changing.
files() {
    (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
}
# True when the registry file holds the key (Wine writes it once every program has ended).
has_key() { grep -q "^\[$2\]" "$WINEPREFIX/$1"; }

rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver --wait
before="$(files)"

echo "check-installer: installing silently"
wine "$installer" /S
wineserver --wait
[ -f "$folder/KeltFreeDescendantAstrology.exe" ] || fail "the program was not installed"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
has_key system.reg "$uninstall_key" || fail "not listed among the installed programs"
for value in '"DisplayName"="Kelt Descendant Astrology"' "\"DisplayVersion\"=\"$version\"" \
    '"Publisher"="Sarvel Softwares"' '"DisplayIcon"=' '"EstimatedSize"=dword:' \
    '"QuietUninstallString"='; do
    sed -n "/^\[$uninstall_key\]/,/^\$/p" "$WINEPREFIX/system.reg" | grep -qF "$value" ||
        fail "the uninstall entry lacks $value"
done

echo "check-installer: starting the installed program, then a second copy"
(cd "$folder" && wine ./KeltFreeDescendantAstrology.exe >/dev/null 2>&1 &)
wait_for "the birth-details window" window "Kelt Descendant Astrology v$version"
(cd "$folder" && wine ./KeltFreeDescendantAstrology.exe >/dev/null 2>&1; echo $? >"$build/second.status") &
second=$!
wait_for "the second copy's message" window "Kelt Descendant Astrology"
xdotool windowfocus --sync "$(window "Kelt Descendant Astrology" | head -n 1)" key Return
wait "$second"
[ "$(cat "$build/second.status")" = 0 ] || fail "the second copy did not end cleanly"
rm -f "$build/second.status"
window "Kelt Descendant Astrology v$version" >/dev/null || fail "the first copy's window went"
wineserver -k
wineserver --wait || true
has_key user.reg "$setting_key" || fail "the program kept no setting"

echo "check-installer: uninstalling silently"
wine "$folder/Uninstall.exe" /S
wineserver --wait
[ ! -e "$folder" ] || fail "the program's folder is still there: $(ls -A "$folder")"
[ ! -e "$(dirname "$folder")" ] || fail "the publisher's folder is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
! has_key system.reg "$uninstall_key" || fail "still listed among the installed programs"
has_key user.reg "$setting_key" || fail "the user's setting went with the program"
left="$(comm -13 <(echo "$before") <(files))"
[ -z "$left" ] || fail "left behind: $left"
echo "check-installer: passed"
