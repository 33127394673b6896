#!/bin/sh
# Runs each fuzzer for a bounded time from the seed corpus in the repository.
# New inputs it finds are kept in the build folder, not in the repository; a
# crash stops the run and leaves its input under BUILD/artifacts/. Copy such
# an input into tests/fuzz/regressions/NAME/ once fixed: the model tests
# replay that folder and the seeds on every `make test`.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS_EACH
set -eu
build=$1
seconds=$2
here=$(dirname "$0")
status=0
for name in savefile gamerecord settings; do
  work=$build/corpus/$name
  mkdir -p "$work" "$build/artifacts"
  echo "== fuzz_$name for ${seconds}s"
  if ! "$build/fuzz_$name" "$work" "$here/corpus/$name" "$here/regressions/$name" \
         -max_total_time="$seconds" -print_final_stats=1 -detect_leaks=0 \
         -artifact_prefix="$build/artifacts/$name-" 2> "$build/fuzz_$name.log"; then
    status=1
    echo "fuzz_$name found a fault; see $build/fuzz_$name.log and $build/artifacts/"
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added|^#[0-9]+ *DONE' "$build/fuzz_$name.log" || true
done
exit $status
