#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a fuzz build for SECONDS each, starting from its
# seed corpus (left unchanged: new inputs go to a scratch folder), as many at
# once as the machine has cores (FUZZ_JOBS to choose). A crash, leak,
# time-out or sanitizer report fails the run and names the input; add that
# input to tests/fuzz/crashes/NAME/ so that fuzz_replay.NAME keeps it.
#   tests/fuzz/run_fuzz.sh BUILD_DIR [SECONDS] [NAME...]
set -uo pipefail
build=$1
seconds=${2:-30}
shift $(( $# >= 2 ? 2 : $# ))
here=$(cd "$(dirname "$0")" && pwd)
out=$build/fuzz-out
mkdir -p "$out"
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$build"/fuzz_*; do [ -f "$f" ] && [ -x "$f" ] && names+=("${f##*/fuzz_}"); done
fi
[ ${#names[@]} -gt 0 ] || { echo "no fuzz targets in $build" >&2; exit 1; }
jobs=${FUZZ_JOBS:-$(nproc)}

fuzz_one() {  # NAME: runs it, leaves its exit code in $out/NAME.rc
  local name=$1 work=$out/$1-corpus
  rm -rf "$work" && mkdir -p "$work"
  "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/$name-" "$work" "$here/corpus/$name" >"$out/$name.log" 2>&1
  echo $? >"$out/$name.rc"
}

start=$SECONDS
running=0
for name in "${names[@]}"; do
  rm -f "$out/$name.rc"
  fuzz_one "$name" &
  running=$((running + 1))
  if [ $running -ge "$jobs" ]; then wait -n; running=$((running - 1)); fi
done
wait
echo "== ${#names[@]} fuzz targets, ${seconds}s each, $jobs at once: $((SECONDS - start)) s"

failed=0
for name in "${names[@]}"; do
  rc=$(cat "$out/$name.rc" 2>/dev/null || echo 1)
  echo "== fuzz_$name: $(grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+.*DONE' \
    "$out/$name.log" | tr '\n' ' ')"
  if [ "$rc" -ne 0 ]; then
    failed=1
    tail -40 "$out/$name.log"
    echo "fuzz_$name FAILED; input(s): $(ls -d "$out/$name-"{crash,leak,timeout,oom}-* 2>/dev/null | tr "\n" " ")"
    echo "keep it as a test: cp INPUT tests/fuzz/crashes/$name/"
  fi
done
exit $failed
