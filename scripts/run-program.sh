#!/usr/bin/env bash
# Starts the drill. On a desktop it simply runs. On a machine with no display
# it runs for real on a virtual display (Xvfb with the openbox window manager,
# so that maximised windows behave as on a desktop), shared over VNC on
# 127.0.0.1 only, and takes a screenshot a few seconds after start-up. The
# program gets a session bus of its own (dbus-run-session), or Qt would start
# one that outlives it. Ctrl-C or FINE ends it all; the script then checks
# that nothing it started is still running.
set -euo pipefail
program=$(realpath "$1")

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

n=99
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
port=$((5900 + n - 99))
while ss -ltn 2>/dev/null | grep -q ":$port "; do port=$((port + 1)); done
shot=$(mktemp --tmpdir analisi-grammaticale-XXXXXX.png)
echo "No display found: running on virtual display :$n, shared by VNC on 127.0.0.1:$port."

pids=()  # what this script started; each may have started more

# The given processes and all their descendants, parents first.
tree() {
    local pid children
    for pid in "$@"; do
        echo "$pid"
        mapfile -t children < <(pgrep -P "$pid" || true)
        [ ${#children[@]} -eq 0 ] || tree "${children[@]}"
    done
}

# Those of the given processes still running (zombies are gone already).
running() {
    [ $# -gt 0 ] || return 0
    ps -o pid=,stat=,args= -p "$(IFS=,; echo "$*")" 2>/dev/null | awk '$2 !~ /^Z/' || true
}

cleanup() {
    trap - INT TERM EXIT
    # Taken before anything ends: an orphan leaves its parent's tree.
    local all left stuck
    mapfile -t all < <(tree "${pids[@]}")
    kill "${all[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    for _ in $(seq 30); do
        left=$(running "${all[@]}")
        [ -z "$left" ] && break
        sleep 0.1
    done
    if [ -n "$left" ]; then
        echo "Still running after the end, now killed:"
        echo "$left"
        mapfile -t stuck < <(echo "$left" | awk '{ print $1 }')
        kill -KILL "${stuck[@]}" 2>/dev/null || true
    else
        echo "Ended: nothing started here is left running (${#all[@]} processes checked)."
    fi
}
trap cleanup INT TERM EXIT

Xvfb ":$n" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$n"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
# The VNC server has no password: it listens on the loopback interface only.
x11vnc -display ":$n" -localhost -listen 127.0.0.1 -rfbport "$port" -forever -shared -nopw -quiet \
    >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

echo "Connect with a VNC viewer to 127.0.0.1:$port on this machine, or from elsewhere"
echo "through an SSH tunnel: ssh -L $port:127.0.0.1:$port <this machine>, then view localhost:$port."
# The bus ends when the program does.
dbus-run-session -- "$program" &
program_pid=$!
pids+=("$program_pid")
( sleep 8 && import -display ":$n" -window root "$shot" 2>/dev/null \
    && echo "Screenshot of the screen 8 s after start-up: $shot" ) &
pids+=($!)
wait "$program_pid" || true
