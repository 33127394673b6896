#!/usr/bin/env bash
# Runs a test program with the settings, data and home folders of the
# environment pointing at decoys that hold a player's settings file, and
# fails when the program changed, removed or added anything there: tests
# keep to folders of their own.
set -euo pipefail
decoy=$(mktemp -d)
trap 'rm -rf "$decoy"' EXIT
mkdir -p "$decoy/config/Tavolux" "$decoy/data" "$decoy/home"
printf '[Tavolux]\nWallPaperID=3\nWindowLeft=17\n' > "$decoy/config/Tavolux/Tavolux.ini"
before=$(cd "$decoy" && find . -printf '%p %s %T@\n' | sort)
XDG_CONFIG_HOME=$decoy/config XDG_DATA_HOME=$decoy/data HOME=$decoy/home "$@"
after=$(cd "$decoy" && find . -printf '%p %s %T@\n' | sort)
if [ "$before" != "$after" ]; then
    echo "FAILED: the test changed the environment's own folders:" >&2
    diff <(echo "$before") <(echo "$after") >&2 || true
    exit 1
fi
