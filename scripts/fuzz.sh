#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang (coverage, address
# and undefined-behaviour sanitizers) into build-fuzz/ and runs each for
# SECONDS (default 60) on its corpus: the committed seeds of
# tests/fuzz/corpus/<harness>/ and what earlier runs found (kept in
# build-fuzz/corpus/, never in the tree). Fails on any crash, hang, leak or
# property failure; the reproducer is kept in build-fuzz/artifacts/<harness>/
# and named in the output. Figures per harness: executions, coverage, time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2; }
bash scripts/setup.sh
bash scripts/setup.sh --clang

root="$PWD"
build="$root/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  "${launcher[@]}" -DORVANE_FUZZ=ON -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_harnesses

# harness:dictionary
harnesses=(fuzz_engine_job:data_file fuzz_data_file:data_file fuzz_plot_file:plot_file
           fuzz_entry:entry fuzz_word_reader:data_file fuzz_chart_import:data_file)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
printf '%-20s %10s %8s %8s %6s  %s\n' harness executions cov features secs result
for entry in "${harnesses[@]}"; do
  h="${entry%%:*}"
  dict="$root/tests/fuzz/dict/${entry##*:}.dict"
  corpus="$build/corpus/$h"
  artifacts="$build/artifacts/$h"
  log="$build/logs/$h.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  cp -n "$root/tests/fuzz/corpus/$h/"* "$corpus/" 2>/dev/null || true
  start=$(date +%s)
  rc=0
  # -timeout: one input taking longer is a hang; -rss_limit_mb: runaway memory.
  "$build/fuzz/$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -max_len=16384 \
    -dict="$dict" -artifact_prefix="$artifacts/" -print_final_stats=1 "$corpus" >"$log" 2>&1 || rc=$?
  secs=$(( $(date +%s) - start ))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  if [ "$rc" -eq 0 ]; then
    result=ok
  else
    result="FAILED (exit $rc)"
    failed+=("$h")
  fi
  printf '%-20s %10s %8s %8s %6s  %s\n' "$h" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$secs" "$result"
  if [ "$rc" -ne 0 ]; then
    grep -E 'ERROR:|PROPERTY FAILED|SUMMARY:|Test unit written|terminate called|what\(\)' "$log" | head -20 | sed 's/^/    /'
    echo "    log: $log"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (reproducers in $build/artifacts/)"
  exit 1
fi
echo "fuzzing: no crash, hang, leak or property failure in ${#harnesses[@]} harnesses"
