#!/bin/sh
# Start-up of the game to its first painted main window, RUNS times (5) on
# the X display of the environment (run it under xvfb-run): the program's
# start-up trace of each run, then per step the median of the milliseconds
# since the process started and of the processor time used by then. The
# runs share folders of their own (the first fills the caches a player's
# later starts find filled); each is ended once its window has painted.
# usage: startup_bench.sh PATH/TO/tavolux [RUNS]
program=$1
runs=${2:-5}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/home"
i=0
while [ "$i" -lt "$runs" ]; do
    i=$((i + 1))
    XDG_CONFIG_HOME="$dir/home/.config" XDG_DATA_HOME="$dir/home/.local/share" XDG_CACHE_HOME="$dir/home/.cache" HOME="$dir/home" \
        TAVOLUX_STARTUP_TRACE=1 "$program" 2> "$dir/trace$i" &
    pid=$!
    waited=0
    while ! grep -q "first paint" "$dir/trace$i" && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    kill "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null
    grep '^startup:' "$dir/trace$i" > "$dir/run$i"
done
# "startup: MS STEP WORDS (cpu CPU)" -> the medians per step, in order.
cat "$dir"/run* | awk '
    { ms = $2; cpu = $NF; sub(/\)$/, "", cpu); step = $3; for (k = 4; k < NF - 1; ++k) step = step " " $k
      if (!(step in n)) order[++steps] = step
      n[step]++; all[step, n[step]] = ms; cpus[step, n[step]] = cpu }
    function median(arr, s, count,   i, j, t, v) {
      for (i = 1; i <= count; ++i) v[i] = arr[s, i] + 0
      for (i = 1; i <= count; ++i) for (j = i + 1; j <= count; ++j) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
      return v[int((count + 1) / 2)] }
    END { for (k = 1; k <= steps; ++k) printf "%-22s median-ms: %7.1f  median-cpu-ms: %7.1f  runs: %d\n", order[k], median(all, order[k], n[order[k]]), median(cpus, order[k], n[order[k]]), n[order[k]] }'
