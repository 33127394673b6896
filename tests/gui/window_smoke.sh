#!/usr/bin/env bash
# Starts the game executable on an X server (run under xvfb-run), waits for
# its main window "Tavolux", takes a screenshot, then leaves through the
# Game menu's "Exit" and the exit question. Fails when the window does not
# appear, the question does not come, or the program does not end cleanly.
set -euo pipefail
game=$1
shot=$2

# Folders of its own, so the player's settings and files are never touched.
own=$(mktemp -d)
trap 'rm -rf "$own"' EXIT
export XDG_CONFIG_HOME=$own/config XDG_DATA_HOME=$own/data XDG_CACHE_HOME=$own/cache HOME=$own/home
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$HOME"
# The English menus and window titles the keys and searches below expect.
export LANGUAGE=en

"$game" &
pid=$!

fail() {
    echo "FAILED: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tavolux$' | head -1) || fail "no main window"
sleep 1
import -window "$window" "$shot" || fail "no screenshot"

xdotool mousemove --window "$window" 300 300
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key x
timeout 10 xdotool search --sync --onlyvisible --name '^Exit Game$' >/dev/null || fail "no exit question"
xdotool key alt+y

for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running after Yes"
wait "$pid" || fail "exit code $?"
echo "main window shown, screenshot in $shot, left through the exit question"
