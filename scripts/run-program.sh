#!/usr/bin/env bash
# Starts the drill. On a desktop it simply runs. On a machine with no display
# it runs for real on a virtual display (Xvfb with the openbox window manager,
# so that maximised windows behave as on a desktop), shared over VNC on
# 127.0.0.1 only, and takes a screenshot a few seconds after start-up.
# Ctrl-C or FINE ends it all.
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

pids=()
cleanup() {
    trap - INT TERM EXIT
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
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
"$program" &
program_pid=$!
pids+=("$program_pid")
( sleep 8 && import -display ":$n" -window root "$shot" 2>/dev/null \
    && echo "Screenshot of the screen 8 s after start-up: $shot" ) &
pids+=($!)
wait "$program_pid" || true
