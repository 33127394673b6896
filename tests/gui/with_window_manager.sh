#!/usr/bin/env bash
# Runs a command on the current X display while a window manager (openbox)
# manages the windows, so that windows get real frames and the program's
# placement is checked the way a desktop treats it.
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    break
  fi
  sleep 0.05
done
"$@"
