#!/usr/bin/env bash
# Takes the README's pictures: runs the scripted tour of the windows on a
# virtual display with the openbox window manager (so that maximised windows
# behave as on a desktop). Usage: screenshots.sh BUILD_DIR [WIDTHxHEIGHT] [OUT_DIR]
set -euo pipefail
build=$(realpath "$1")
size=${2:-1366x768}
out=${3:-docs/screenshots}
mkdir -p "$out"
out=$(realpath "$out")

n=120
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT
Xvfb ":$n" -screen 0 "${size}x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$n"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
timeout 120 "$build/screenshot_tour" "$out"
# The teachers' sentence editor, on the same display.
cmake --build "$build" --target editor_screenshots >/dev/null
timeout 60 "$build/editor_screenshots" "$out"
# "I miei progressi" over three months of made-up practice.
cmake --build "$build" --target progress_screenshots >/dev/null
timeout 60 "$build/progress_screenshots" "$out"
echo "Pictures at $size in $out:"
ls "$out"
# "Risultati della classe" over a made-up class's results files.
cmake --build "$build" --target results_screenshots >/dev/null
timeout 60 "$build/results_screenshots" "$out"
