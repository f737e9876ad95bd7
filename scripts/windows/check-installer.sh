#!/usr/bin/env bash
# Checks the Windows installer under Wine the way a user meets it, on an X server of its own:
#  - a silent install; the installed program started from its own folder on the native
#    platform, and a second copy refused;
#  - while that copy runs: a silent install and a silent uninstall, each ending with exit
#    code 2 and changing nothing; an install through its pages (licence, a desktop shortcut
#    chosen) that asks for the program to be closed, asks again on Retry while it still
#    runs, goes on once it is closed, and starts the program from its Finish page; an
#    uninstall through its pages that asks for the program to be closed, is cancelled, ends
#    with exit code 2 and changes nothing;
#  - a silent uninstall, leaving nothing behind but the user's setting.
#   check-installer.sh BUILD_DIR [INSTALLER]
set -euo pipefail
build="$(cd "$1" && pwd)"
if [ -z "${KELT_INSIDE_XVFB:-}" ]; then
    KELT_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
installer="$(realpath "${2:-$build/KeltDescendantAstrology-$version-setup.exe}")"
export WINEPREFIX="$build/wine-installer" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# The installed program must find everything it needs in its own folder.
unset WINEPATH WINEQT_PLUGIN_PATH QT_PLUGIN_PATH QT_QPA_PLATFORM QT_QPA_FONTDIR
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Sarvel Softwares/Kelt Descendant Astrology"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Kelt Descendant Astrology.lnk"
desktop="$drive/users/Public/Desktop/Kelt Descendant Astrology.lnk"
uninstall_key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\KeltDescendantAstrology'
setting_key='Software\\\\VB and VBA Program Settings\\\\KeltFreeDescendantAstrology\\\\Settings'
main_title="Kelt Descendant Astrology v$version"
started=$SECONDS

fail() {
    echo "check-installer: $*" >&2
    # What was on the screen, to tell a slow start from a message nobody answered.
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "check-installer: a window on the screen: $(xdotool getwindowname "$id")" >&2
    done
    wineserver -k 2>/dev/null || true
    exit 1
}
step() { echo "check-installer: $*"; }
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
window() { xdotool search --onlyvisible --name "^$1\$"; }
gone() { ! window "$1" >/dev/null; }
# Lists what the prefix holds, leaving out what Wine itself keeps changing.
files() {
    (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
}
# True when the registry file holds the key (Wine writes it once every program has ended).
has_key() { grep -q "^\[$2\]" "$WINEPREFIX/$1"; }
# What an install or uninstall may change: the program's files (each with the time of its
# last change), the shortcuts and the uninstall entry.
installed() {
    find "$folder" "$shortcut" "$desktop" -exec stat -c '%Z %s %n' {} + 2>/dev/null | sort
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KeltDescendantAstrology' \
        2>/dev/null | tr -d '\r'
}
# Runs a command and sets $status to its exit code.
run() {
    status=0
    "$@" || status=$?
}
# Sends keys to a window once it has the focus.
keys() {
    local target="$1"
    shift
    xdotool windowfocus --sync "$target" key --delay 300 "$@"
}
# Starts a copy of the installed program from its folder and waits for its window.
start_program() {
    (cd "$folder" && exec wine ./KeltFreeDescendantAstrology.exe) >/dev/null 2>&1 &
    program=$!
    wait_for "the birth-details window" window "$main_title"
}
# The main window of the installer or uninstaller whose title begins with $1; the
# question it asks is a second window of exactly that title.
wizard_window() { xdotool search --onlyvisible --name "^$1" | head -n 1; }
question() { xdotool search --onlyvisible --name "^$1\$" | grep -vx "$2"; }
wait_question() { wait_for "the question to close the program" question "$1" "$2"; }
closed() { ! xdotool search --onlyvisible --name "^$1\$" | grep -qx "$2"; }
# Answers the question with a key, and waits for that question to go.
answer() {
    local id
    id="$(question "$1" "$2" | head -n 1)"
    keys "$id" "$3"
    wait_for "the question to go" closed "$1" "$id"
}

rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver --wait
before="$(files)"

step "installing silently"
wine "$installer" /S
wineserver --wait
[ -f "$folder/KeltFreeDescendantAstrology.exe" ] || fail "the program was not installed"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
[ ! -e "$desktop" ] || fail "a desktop shortcut, which is off unless chosen"
has_key system.reg "$uninstall_key" || fail "not listed among the installed programs"
for value in '"DisplayName"="Kelt Descendant Astrology"' "\"DisplayVersion\"=\"$version\"" \
    '"Publisher"="Sarvel Softwares"' '"DisplayIcon"=' '"EstimatedSize"=dword:' \
    '"QuietUninstallString"='; do
    sed -n "/^\[$uninstall_key\]/,/^\$/p" "$WINEPREFIX/system.reg" | grep -qF "$value" ||
        fail "the uninstall entry lacks $value"
done

step "starting the installed program, then a second copy"
start_program
(cd "$folder" && wine ./KeltFreeDescendantAstrology.exe >/dev/null 2>&1; echo $? >"$build/second.status") &
second=$!
wait_for "the second copy's message" window "Kelt Descendant Astrology"
xdotool windowfocus --sync "$(window "Kelt Descendant Astrology" | head -n 1)" key Return
wait "$second"
[ "$(cat "$build/second.status")" = 0 ] || fail "the second copy did not end cleanly"
rm -f "$build/second.status"
window "$main_title" >/dev/null || fail "the first copy's window went"

step "installing and uninstalling silently while the program runs"
unchanged="$(installed)"
run wine "$installer" /S
[ "$status" = 2 ] || fail "the silent install returned $status while the program ran, not 2"
[ "$(installed)" = "$unchanged" ] || fail "the silent install changed files while the program ran"
run wine "$folder/Uninstall.exe" /S
[ "$status" = 2 ] || fail "the silent uninstall returned $status while the program ran, not 2"
[ "$(installed)" = "$unchanged" ] || fail "the silent uninstall changed files while the program ran"

step "installing through the pages while the program runs, then once it is closed"
wine "$installer" >/dev/null 2>&1 &
setup=$!
wait_for "the installer" wizard_window "Kelt Descendant Astrology Setup"
setup_window="$(wizard_window "Kelt Descendant Astrology Setup")"
# Welcome, the licence (I Agree), the components with the desktop shortcut ticked, the
# folder, Install.
keys "$setup_window" Return Return Down space Return Return
wait_question "Kelt Descendant Astrology Setup" "$setup_window"
[ "$(installed)" = "$unchanged" ] || fail "the installer changed files before asking"
answer "Kelt Descendant Astrology Setup" "$setup_window" Return
wait_question "Kelt Descendant Astrology Setup" "$setup_window"
kill "$program"
wait "$program" || true
answer "Kelt Descendant Astrology Setup" "$setup_window" Return
# The Finish page comes once the files are in; its Run box is ticked.
for _ in $(seq 60); do
    kill -0 "$setup" 2>/dev/null || break
    keys "$setup_window" Return 2>/dev/null || true
    sleep 1
done
run wait "$setup"
[ "$status" = 0 ] || fail "the installer returned $status"
[ "$(installed)" != "$unchanged" ] || fail "the installer changed nothing"
[ -f "$desktop" ] || fail "no desktop shortcut, though it was chosen"
wait_for "the program started from the Finish page" window "$main_title"

step "uninstalling through the pages while the program runs, and cancelling"
unchanged="$(installed)"
wine "$folder/Uninstall.exe" >/dev/null 2>&1 &
uninstaller=$!
wait_for "the uninstaller" wizard_window "Kelt Descendant Astrology Uninstall"
uninstall_window="$(wizard_window "Kelt Descendant Astrology Uninstall")"
keys "$uninstall_window" Return
wait_question "Kelt Descendant Astrology Uninstall" "$uninstall_window"
answer "Kelt Descendant Astrology Uninstall" "$uninstall_window" Escape
keys "$uninstall_window" Escape
run wait "$uninstaller"
[ "$status" = 2 ] || fail "the cancelled uninstall returned $status, not 2"
[ "$(installed)" = "$unchanged" ] || fail "the cancelled uninstall changed files"

wineserver -k
wineserver --wait || true
has_key user.reg "$setting_key" || fail "the program kept no setting"

step "uninstalling silently"
run wine "$folder/Uninstall.exe" /S
[ "$status" = 0 ] || fail "the silent uninstall returned $status"
wineserver --wait
[ ! -e "$folder" ] || fail "the program's folder is still there: $(ls -A "$folder")"
[ ! -e "$(dirname "$folder")" ] || fail "the publisher's folder is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
[ ! -e "$desktop" ] || fail "the desktop shortcut is still there"
! has_key system.reg "$uninstall_key" || fail "still listed among the installed programs"
has_key user.reg "$setting_key" || fail "the user's setting went with the program"
left="$(comm -13 <(echo "$before") <(files))"
[ -z "$left" ] || fail "left behind: $left"
step "passed in $((SECONDS - started)) s"
