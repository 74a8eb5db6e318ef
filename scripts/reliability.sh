#!/usr/bin/env bash
# Reliability figures of orvane-run under concurrency and kill -9, for the
# README: tried / survived per case, and run folders left by killed runs.
#
#   bash scripts/reliability.sh [RUNNER] [COUNT] [KILLS]
#
# RUNNER defaults to build/bin/orvane-run (built beforehand), COUNT (default
# 200) is the number of tries per concurrency case, KILLS (default 100) the
# number of runs killed. Every command runs under `timeout 60`; the whole
# script takes about a minute at the defaults on two cores. A try survives
# when it ends with the exit status and standard output of one run after the
# other and leaves whole files.
set -uo pipefail
cd "$(dirname "$0")/.."
runner="$(realpath "${1:-build/bin/orvane-run}")"
count="${2:-200}"
kills="${3:-100}"
[[ -x "$runner" && "$count" =~ ^[0-9]+$ && "$kills" =~ ^[0-9]+$ ]] ||
  { echo "usage: scripts/reliability.sh [RUNNER] [COUNT] [KILLS]" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR" "$work/files" "$work/batch"
run() { timeout 60 "$runner" "$@"; }

f="$work/files/wall.ov5d"
cp examples/sand-over-weak-rock-socket.ov5d "$f"
staged="$work/files/staged.ov5d"
cp examples/three-stage.ov5d "$staged"

# The answers of runs one after the other.
run "$f" "$f" >"$work/serial.out" 2>/dev/null; serial=$?
run "$f" >"$work/alone.out" 2>/dev/null; alone=$?
results() { cat "${f%.ov5d}.ov5p" "${f%.ov5d}.ov5r"; }
results >"$work/results"
run --convert "$staged" "$work/converted.ov5d" >/dev/null 2>&1 || { echo "conversion failed" >&2; exit 1; }

survived=0
for ((k = 0; k < count; k++)); do
  run -j 2 "$f" "$f" >"$work/out" 2>/dev/null; s=$?
  [[ $s == "$serial" ]] && cmp -s "$work/out" "$work/serial.out" && results | cmp -s - "$work/results" &&
    survived=$((survived + 1))
done
printf '%-44s %5d tried %5d survived\n' "-j 2 F F (one file named twice)" "$count" "$survived"

survived=0
for ((k = 0; k < count; k++)); do
  run "$f" >"$work/out1" 2>/dev/null & run "$f" >"$work/out2" 2>/dev/null; b=$?; wait $!; a=$?
  [[ $a == "$alone" && $b == "$alone" ]] && cmp -s "$work/out1" "$work/alone.out" &&
    cmp -s "$work/out2" "$work/alone.out" && results | cmp -s - "$work/results" && survived=$((survived + 1))
done
printf '%-44s %5d tried %5d survived\n' "two runners on one file" "$count" "$survived"

survived=0
for ((k = 0; k < count; k++)); do
  run --convert "$staged" "$work/a.ov5d" >/dev/null 2>&1 & run --convert "$staged" "$work/b.ov5d" >/dev/null 2>&1
  b=$?; wait $!; a=$?
  [[ $a == 0 && $b == 0 ]] && cmp -s "$work/a.ov5d" "$work/converted.ov5d" &&
    cmp -s "$work/b.ov5d" "$work/converted.ov5d" && survived=$((survived + 1))
done
printf '%-44s %5d tried %5d survived\n' "two --convert of one staged file" "$count" "$survived"

# Killed during a batch of every example, four times over, two jobs at a
# time (about 0.1 s), at a moment between 0 and 90 ms; then the batch runs
# once more, which removes what the killed runs left.
batch=()
for copy in 1 2 3 4; do
  for e in examples/*.ov5d; do
    cp "$e" "$work/batch/$copy-$(basename "$e")"
    batch+=("$work/batch/$copy-$(basename "$e")")
  done
done
folders() { find "$TMPDIR" -mindepth 1 -maxdepth 1 -name 'orvane-*' | wc -l; }
locks() { find "$work/batch" -name '*.lock' | wc -l; }
rm -rf "${TMPDIR:?}"/*
leftBehind=0 most=0
for ((k = 0; k < kills; k++)); do
  "$runner" -j 2 "${batch[@]}" >/dev/null 2>&1 &
  pid=$!
  sleep "0.0$((RANDOM % 10))"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  n=$(folders)
  ((n > 0)) && leftBehind=$((leftBehind + 1))
  ((n > most)) && most=$n
done
leftLocks=$(locks)
run -j 2 "${batch[@]}" >/dev/null 2>&1
printf '%-44s %5d tried %5d left run folders (at most %d at once); %d left after the next run\n' \
  "kill -9 during a batch" "$kills" "$leftBehind" "$most" "$(folders)"
printf '%-44s %11s %5d lock files left beside the data files; %d after the next run\n' "" "" "$leftLocks" "$(locks)"
