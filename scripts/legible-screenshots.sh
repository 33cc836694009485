#!/usr/bin/env bash
# Takes the pictures of the exercise window in high legibility on the two
# screens the drill is laid out for, on a virtual display with the openbox
# window manager. Usage: legible-screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
build=$(realpath "$1")
out=${2:-docs/screenshots}
mkdir -p "$out"
out=$(realpath "$out")
cmake --build "$build" --target legible_screenshots >/dev/null

for size in 1024x768 1366x768; do
    n=140
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${size}x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    DISPLAY=":$n" openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
    DISPLAY=":$n" timeout 60 "$build/legible_screenshots" "$out" "exercise-legible-$size" || true
    kill "$wm" "$xvfb" 2>/dev/null || true
    wait "$wm" "$xvfb" 2>/dev/null || true
done
ls "$out"/exercise-legible-*.png
