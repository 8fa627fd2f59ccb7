#!/usr/bin/env bash
# Runs every benchmark of the release build, one after the other.
set -euo pipefail
cd "$(dirname "$0")/../build/release/benchmarks"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for bench in bench_*; do
  [ -x "$bench" ] || continue
  echo "== $bench"
  "./$bench"
done
