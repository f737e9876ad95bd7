# Sourced: a Wine of the build's own for the Windows programs built against Qt for Windows,
# so that they meet neither the user's Wine nor its registry, and find Qt and the MinGW
# runtime where they were built. Sets gcc_runtime, the MinGW runtime's folder, too.
#   . wine-env.sh WINEPREFIX QT_PREFIX
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making a Wine prefix in $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
gcc_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
export WINEPATH="Z:$2/bin;Z:$gcc_runtime;Z:/usr/x86_64-w64-mingw32/lib"
# Wine keeps the QT_ variables of the Linux side from Windows programs; a WINE prefix hands
# them on.
export WINEQT_PLUGIN_PATH="Z:$2/plugins"
