#!/usr/bin/env bash
# Builds the installer of a folder of files staged as the portable zip holds them, with the
# Uninstall.exe built beside the program.
#   make-installer.sh STAGE UNINSTALL_EXE VERSION OUTFILE
set -euo pipefail
stage="$(cd "$1" && pwd)"
uninstall="$(realpath "$2")"
version="$3"
installer="$(realpath -m "$4")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The installer's file list, and for the in-use check and the uninstaller every file and
# folder (the deepest first), from what the folder holds.
files="$work/files.nsh"
list="$work/list.nsh"
: >"$files"
printf '!macro KELT_EACH_FILE DO\n' >"$list"
while IFS= read -r dir; do
    win="${dir#.}"
    win="${win//\//\\}"
    printf 'SetOutPath "$INSTDIR%s"\n' "$win" >>"$files"
    while IFS= read -r file; do
        rel="${file#./}"
        printf 'File "%s"\n' "$stage/$rel" >>"$files"
        printf '    !insertmacro ${DO} "%s"\n' "${rel//\//\\}" >>"$list"
    done < <(cd "$stage" && find "$dir" -maxdepth 1 -type f | LC_ALL=C sort)
done < <(cd "$stage" && find . -type d | LC_ALL=C sort)
printf 'SetOutPath "$INSTDIR"\n' >>"$files"
printf '!macroend\n!macro KELT_EACH_FOLDER DO\n' >>"$list"
while IFS= read -r dir; do
    printf '    !insertmacro ${DO} "%s"\n' "${dir//\//\\}" >>"$list"
done < <(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r)
printf '!macroend\n' >>"$list"

makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$files" -DLIST="$list" \
    -DUNINSTALL="$uninstall" -DOUTFILE="$installer" "$root/packaging/windows/installer.nsi"
echo "Installer: $installer"
