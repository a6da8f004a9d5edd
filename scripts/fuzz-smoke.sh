#!/usr/bin/env bash
# A bounded, seeded run of every fuzz target: a fixed number of executions
# each, starting from the committed seeds (and the examples for data files).
# Usage: fuzz-smoke.sh BUILD_DIR RUNS [extra libFuzzer flags...]
set -euo pipefail
build_dir=$1
runs=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/torven-fuzz-smoke-XXXXXX)
trap 'rm -rf "$work"' EXIT

for fuzzer in "$build_dir"/bin/*_fuzz; do
  name=$(basename "$fuzzer" _fuzz)
  corpus="$work/$name"
  mkdir -p "$corpus"
  cp "$root/fuzz/seeds/$name/"* "$corpus/" 2>/dev/null || true
  if [ "$name" = engine_input ]; then cp "$root"/examples/*.tv5d "$corpus/"; fi
  echo "== $name: $runs runs"
  "$fuzzer" -runs="$runs" -seed=1 -timeout=30 -rss_limit_mb=2048 -max_len=8192 \
    -artifact_prefix="$work/$name-" "$@" "$corpus" 2>&1 | tail -n 3
  status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    echo "fuzz target $name failed; the input is kept in $work" >&2
    trap - EXIT
    exit "$status"
  fi
done
