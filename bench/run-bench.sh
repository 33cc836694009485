#!/usr/bin/env bash
# Runs the benchmarks against a build folder and prints their tables.
# Usage: bench/run-bench.sh <build folder> [idle seconds, default 60]
# The windows are shown on a private Xvfb display managed by openbox when
# both are installed, otherwise on Qt's offscreen platform.
set -euo pipefail

BUILD=$(cd "${1:-build}" && pwd)
IDLE_SECONDS=${2:-60}
RUNS=${BENCH_RUNS:-11}

XVFB_PID=""
WM_PID=""
cleanup() {
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    XVFB_PID=$!
    read -r -t 10 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    export DISPLAY=":$display"
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    sleep 1
    export QT_QPA_PLATFORM=xcb
    SCREEN="Xvfb 1366x768x24 with openbox (display $DISPLAY)"
else
    export QT_QPA_PLATFORM=offscreen
    SCREEN="Qt offscreen platform (Xvfb or openbox not installed)"
fi
# No sound server is started: the cue player meets the same missing device
# as on a machine without sound.

echo "# Benchmarks"
echo
echo "- date: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "- machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "- Qt: $(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown) (libqt6widgets6)"
echo "- build: $(grep -m1 '^CMAKE_BUILD_TYPE' "$BUILD/CMakeCache.txt" | cut -d= -f2)"
echo "- screen: $SCREEN"
echo "- load average before the run: $(cut -d' ' -f1-3 /proc/loadavg) (other processes inflate the wall times, above all the p99)"
echo

# Qt's own messages (no sound device, no runtime folder) go to a log.
LOG="$BUILD/bench-messages.log"
: >"$LOG"

# Start-up with no collection, then with a collection of 1,000 sentences in
# the user's data folder (XDG_DATA_HOME of a temporary folder in both runs).
COLLECTIONS=$(mktemp -d)
trap 'cleanup; rm -rf "$COLLECTIONS"' EXIT
mkdir -p "$COLLECTIONS/none" "$COLLECTIONS/mille/analisi-grammaticale/frasi"
"$BUILD/bench_collections" --write "$COLLECTIONS/mille/analisi-grammaticale/frasi" 1000
echo "Start-up without collections:"
echo
XDG_DATA_HOME="$COLLECTIONS/none" XDG_DATA_DIRS="$COLLECTIONS/none" \
    "$BUILD/bench_startup" "$BUILD/bench_startup_drill" "$BUILD/bench_startup_bare" "$RUNS" 2>>"$LOG"
echo
echo "Start-up with a collection of 1,000 sentences:"
echo
XDG_DATA_HOME="$COLLECTIONS/mille" XDG_DATA_DIRS="$COLLECTIONS/none" \
    "$BUILD/bench_startup" "$BUILD/bench_startup_drill" "$BUILD/bench_startup_bare" "$RUNS" 2>>"$LOG"
echo
"$BUILD/bench_collections" 2>>"$LOG"
echo
"$BUILD/bench_handlers" 2>>"$LOG"
echo
# The same handlers with a cue player that plays nothing: what the cues cost.
"$BUILD/bench_handlers" --player null --resizes 0 2>>"$LOG" | sed -n '1,10p'
echo
"$BUILD/bench_idle" "$IDLE_SECONDS" 2>>"$LOG"
echo
# The sentence editor: its proposals against the built-in key, its speed.
"$BUILD/bench_editor_proposals" "$BUILD/analisi-grammaticale-frasi" 2>>"$LOG"
echo
"$BUILD/bench_editor_speed" 2>>"$LOG"
echo
# ... and on the everyday sentences written apart from the rules.
"$BUILD/bench_editor_proposals" "$BUILD/analisi-grammaticale-frasi" "$(dirname "$0")/../tests/data/frasi_quotidiane.txt" 2>>"$LOG"
echo
for set in frasi_quotidiane_verifica frasi_quotidiane_terza; do
    "$BUILD/bench_editor_proposals" "$BUILD/analisi-grammaticale-frasi" "$(dirname "$0")/../tests/data/$set.txt" 2>>"$LOG"
    echo
done
# A verb's values and each word's kind: the built-in key, then the
# everyday sentences keyed for them.
"$BUILD/bench_value_proposals" 2>>"$LOG"
"$BUILD/bench_value_proposals" "$(dirname "$0")/../tests/data/frasi_verbi.txt" "$(dirname "$0")/../tests/data/frasi_tipi.txt" 2>>"$LOG"
"$BUILD/bench_lexicon" "$BUILD/lessico/morph-it.lex" 2>>"$LOG"
"$BUILD/bench_progress" "$RUNS" 2>>"$LOG"
echo
"$BUILD/bench_class_results" 2>>"$LOG"
