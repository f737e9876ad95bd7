#!/usr/bin/env bash
# Runs one Windows test program under Wine for CTest. A QtTest program's console output
# does not come back through Wine, so its results go to a file that is printed afterwards.
set -uo pipefail
program="$1"
shift
# Wine keeps the QT_ variables of the Linux side from Windows programs; a WINE prefix
# hands them on.
for name in $(compgen -e); do
    case "$name" in
    QT_*) export "WINE$name=${!name}" ;;
    esac
done
case "$(basename "$program")" in
tst_*)
    results="$(mktemp --suffix=.txt)"
    wine "$program" "$@" -o "$results,txt"
    status=$?
    cat "$results"
    rm -f "$results"
    exit "$status"
    ;;
*) exec wine "$program" "$@" ;;
esac
