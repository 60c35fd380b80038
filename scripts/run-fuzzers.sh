#!/usr/bin/env bash
# Runs each fuzz target for a while, starting from its seed corpus.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS TARGET...
# New inputs go to BUILD_DIR/corpus/<target>, so the seeds in fuzz/corpus stay as
# committed; an input that breaks a target is kept in BUILD_DIR/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2

failed=()
for target in "$@"; do
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  log="$build/$target.log"
  mkdir -p "$work" "$artifacts"
  echo "== $target: $seconds s"
  if "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    grep -E 'DONE|stat::number_of_executed_units' "$log" || true
  else
    tail -n 60 "$log"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found inputs that break: ${failed[*]} (see $build/artifacts)" >&2
  exit 1
fi
