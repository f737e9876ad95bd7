#!/usr/bin/env bash
# Takes the result window at screen scale 1 and 2, for docs/ (and for looking at how sharp
# the sign picture is beside the text):
#   bash scripts/scaled-screenshots.sh [PROGRAM] [OUT_DIR]
# (defaults: build/KeltFreeDescendantAstrology and docs). Needs Xvfb, xdotool, x11-utils
# and ImageMagick. Each shot runs the program on an X server of its own, with no window
# manager, its own settings and runtime folders, and a browser stand-in that opens nothing.
set -euo pipefail

program=$(realpath "${1:-build/KeltFreeDescendantAstrology}")
out=${2:-docs}
mkdir -p "$out"

for tool in Xvfb xdotool xwininfo import convert; do
    command -v "$tool" >/dev/null || { echo "scaled-screenshots: $tool is missing" >&2; exit 1; }
done

tmp=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

# Waits up to 10 s for a visible window whose title is the argument; prints its id.
window_named() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "scaled-screenshots: no window '$1' on $DISPLAY" >&2
    return 1
}

# Crops a screenshot of the whole screen to one window.
shoot() {
    local id=$1 file=$2 geometry x y w h
    geometry=$(xwininfo -id "$id")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$geometry")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$geometry")
    w=$(sed -n 's/.*Width: *//p' <<<"$geometry")
    h=$(sed -n 's/.*Height: *//p' <<<"$geometry")
    import -window root "$tmp/screen.png"
    # The window alone, without the dates of the moment it was taken.
    convert "$tmp/screen.png" -crop "${w}x${h}+${x}+${y}" +repage \
        -define png:exclude-chunk=date,time "$file"
    echo "scaled-screenshots: $file (${w} x ${h})"
}

caption="Kelt Descendant Astrology v1.15"
display_number=90
for scale in 1 2; do
    display_number=$((display_number + 1))
    export DISPLAY=:$display_number
    home=$tmp/scale$scale
    mkdir -p "$home/runtime" "$home/config" "$home/bin"
    chmod 700 "$home/runtime"
    printf '#!/bin/sh\nexit 0\n' >"$home/bin/xdg-open"
    chmod +x "$home/bin/xdg-open"

    Xvfb "$DISPLAY" -screen 0 1920x1200x24 -nolisten tcp >"$home/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        xdotool getmouselocation >/dev/null 2>&1 && break
        sleep 0.2
    done

    PATH=$home/bin:$PATH QT_SCALE_FACTOR=$scale XDG_RUNTIME_DIR=$home/runtime \
        XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache LANG=C.UTF-8 \
        "$program" >"$home/program.log" 2>&1 &
    pids+=($!)

    main=$(window_named "$caption")
    sleep 0.5
    xdotool windowfocus --sync "$main"
    xdotool type --delay 30 "ASTRA"
    xdotool key Return
    for _ in $(seq 50); do
        result=$(xdotool search --onlyvisible --name "^$caption\$" | grep -v "^$main\$" | head -n 1 || true)
        [ -n "$result" ] && break
        sleep 0.2
    done
    [ -n "$result" ] || { echo "scaled-screenshots: no result window" >&2; exit 1; }
    sleep 0.8
    shoot "$result" "$out/result-window-scale-$scale.png"
done
