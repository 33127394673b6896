#!/usr/bin/env bash
# Runs accessibility_client.py against the game on a session bus of its own,
# where the accessibility bus starts on demand. Run under xvfb-run and a
# window manager. Skips (status 77) when the accessibility bus, its Python
# client or xdotool is not installed.
set -euo pipefail
game=$1
client=$(dirname "$0")/accessibility_client.py
python=/usr/bin/python3
skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no accessibility bus (at-spi2-core)"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
command -v xdotool >/dev/null || skip "no xdotool"
"$python" -c 'import pyatspi' 2>/dev/null || skip "no Python client of the bus (python3-pyatspi)"
exec dbus-run-session -- "$python" "$client" "$game"
