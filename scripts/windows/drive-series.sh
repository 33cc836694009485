#!/usr/bin/env bash
# Drives the drill through a whole series on the current X display, as a
# pupil at the keyboard would, and keeps a screenshot of every step:
# the splash, the hand-over to the exercise window, VIA, a sentence answered
# by keys, the twentieth answer's results window, the error report, FINE.
# The sentences must all be "article noun verb" (the collection
# wine-series.txt, with "@solo queste frasi"), so the right keys are known
# whatever their order. One answer is wrong on purpose: the series ends
# "DISTINTO" with one entry in the error report.
# Usage: drive-series.sh SHOTS_DIR PROGRAM [ARGS...]
# Fails (status 1) with a message naming the step that did not happen.
set -euo pipefail

shots=$1; shift
mkdir -p "$shots"
log="$shots/program.log"

program=""
fail() {
    echo "windows-test: FAILED at: $*" >&2
    if [ -n "$program" ] && ! kill -0 "$program" 2>/dev/null; then
        echo "  the program is no longer running; its output is in $log" >&2
    fi
    exit 1
}

# The screen but its bottom strip, where the exercise window's clock ticks.
screen_hash() {
    import -silent -window root -crop 100%x88%+0+0 +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# Waits (at most $2 seconds) until the screen differs from hash $1.
wait_change() {
    local before=$1 limit=$2 start=$SECONDS
    while [ "$(screen_hash)" = "$before" ]; do
        [ $((SECONDS - start)) -lt "$limit" ] || return 1
        sleep 0.3
    done
}

# Waits until the screen has stayed the same for 2.5 seconds: the one-second
# pause after an answer is over (at most $1 seconds in all).
wait_still() {
    local limit=$1 start=$SECONDS last now since
    last=$(screen_hash); since=$SECONDS
    while [ $((SECONDS - since)) -lt 3 ]; do
        [ $((SECONDS - start)) -lt "$limit" ] || return 1
        sleep 0.5
        now=$(screen_hash)
        if [ "$now" != "$last" ]; then last=$now; since=$SECONDS; fi
    done
}

shot() { import -silent -window root "$shots/$1.png"; echo "  screenshot $1.png"; }

# Presses a key and waits until the program has answered it on screen and
# become still again; a key that changes nothing is a failure.
press() {
    local key=$1 what=$2 before
    before=$(screen_hash)
    xdotool key --clearmodifiers "$key"
    wait_change "$before" 60 || fail "$what (the key $key changed nothing on screen)"
    wait_still 120 || fail "$what (the screen never became still)"
}

# Clicks at a point of a window given as thousandths of its width and height.
click_at() {
    local window=$1 x=$2 y=$3 what=$4 before WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
    before=$(screen_hash)
    xdotool mousemove --window "$window" $((WIDTH * x / 1000)) $((HEIGHT * y / 1000)) click 1
    wait_change "$before" 60 || fail "$what (the click changed nothing on screen)"
    wait_still 120 || fail "$what (the screen never became still)"
}

# Waits (at most $2 seconds) for a visible window titled $1 other than the
# windows $3 (a list), and prints it.
wait_window() {
    local title=$1 limit=$2 except=${3:-} start=$SECONDS found
    while :; do
        found=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null \
                | grep -vxF -e "${except:-none}" | tail -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        [ $((SECONDS - start)) -lt "$limit" ] || return 1
        sleep 0.5
    done
}

echo "Starting: $*"
"$@" > "$log" 2>&1 &
program=$!

# The splash, then the hand-over to the exercise window (by its own timer).
wait_window Form1 180 > /dev/null || fail "the splash window (no window within 3 minutes)"
sleep 1
shot 1-splash
splash=$(screen_hash)
wait_change "$splash" 120 || fail "the hand-over to the exercise window"
wait_still 120 || fail "the exercise window becoming still"
shot 2-exercise-waiting
windows=$(xdotool search --onlyvisible --name '^Form1$' || true)
[ "$(echo "$windows" | wc -w)" = 1 ] || fail "the hand-over (not one window, but: $windows)"
exercise=$windows

# VIA by Return, then every sentence: article V 1, noun V 2, verb V 5.
# In the second sentence the article is first called "invariabile" (I):
# one wrong answer, "No riprova", then the right one.
answers=0
answer() { press "$1" "$2"; answers=$((answers + 1)); }
sentence() {  # number, then "wrong" for the planned error
    press Return "VIA before sentence $1"
    [ "$1" = 1 ] && shot 3-after-via
    [ "${2:-}" = wrong ] && answer i "sentence $1: the wrong answer"
    answer v "sentence $1: article, first step"
    answer 1 "sentence $1: article"
    [ "$1" = 1 ] && shot 4-mid-sentence
    answer v "sentence $1: noun, first step"
    answer 2 "sentence $1: noun"
    answer v "sentence $1: verb, first step"
    answer 5 "sentence $1: verb"
}
sentence 1
shot 5-sentence-answered
sentence 2 wrong
sentence 3
[ "$answers" = 19 ] || fail "counting the answers ($answers instead of 19)"

# The twentieth answer opens the results window.
press Return "VIA before sentence 4"
answer v "sentence 4: article, first step (the twentieth answer)"
results=$(wait_window Form1 30 "$exercise") || fail "the results window after the twentieth answer"
shot 6-results
click_at "$results" 472 886 "PROSEGUI in the results window"

# The error report, from "mostra errori", and closed again.
[ -z "$(xdotool search --onlyvisible --name '^Form1$' | grep -vxF "$exercise")" ] \
    || fail "PROSEGUI (the results window is still open)"
click_at "$exercise" 731 965 "mostra errori"
report=$(wait_window Form2 30) || fail "the error report window"
shot 7-error-report
click_at "$report" 697 858 "CHIUDI FINESTRA in the error report"

# FINE ends the program, with exit status 0.
eval "$(xdotool getwindowgeometry --shell "$exercise" | grep -E '^(WIDTH|HEIGHT)=')"
xdotool mousemove --window "$exercise" $((WIDTH * 917 / 1000)) $((HEIGHT * 963 / 1000)) click 1
start=$SECONDS
while kill -0 "$program" 2>/dev/null; do
    [ $((SECONDS - start)) -lt 120 ] || { kill "$program"; fail "FINE (the program still runs after 2 minutes)"; }
    sleep 0.5
done
status=0
wait "$program" || status=$?
[ "$status" = 0 ] || fail "FINE (exit status $status)"
echo "windows-test: the whole series ran to FINE, exit status 0; screenshots in $shots"
