#!/usr/bin/env bash
# Runs every fuzz target for a fixed time on its seeds and on the corpus it has grown so far.
#   fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$1
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
status=0
# A small quarantine for freed memory, so that the RSS limit below catches real growth: with
# ASan's default quarantine of 256 MiB every target looks as if it grew.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}
# Scratch files on tmpfs: a disk file system makes the merge target several times slower.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
for target in line_reader number_reading merge; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus" "$build/findings"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=256 -print_final_stats=1
           -artifact_prefix="$build/findings/$target-")
  case $target in
    line_reader) options+=(-max_len=30000) ;;
    merge) options+=(-max_len=20000 -dict="$here/merge.dict") ;;
  esac
  echo "== $target, $seconds s"
  if ! "$build/fuzz/fuzz_$target" "${options[@]}" "$corpus" "$here/corpus/$target" \
      > "$build/findings/$target.log" 2>&1; then
    status=1
    echo "   FAILED: see $build/findings/$target.log"
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ *DONE' \
    "$build/findings/$target.log" | sed 's/^/   /' || true
done
exit $status
