#!/usr/bin/env bash
# Builds the engine and the runner (nothing else: no desktop program, tests or
# benchmarks) into build-runner/, then analyses an example project.
# Usage: scripts/run-example.sh [data file ...]   (default: the cantilever example)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --runner
cmake -S . -B build-runner -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_DESKTOP=OFF \
  -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-runner -j2 --target orvane-run OrvaneEngine >/dev/null
if [ $# -eq 0 ]; then
  set -- examples/cantilever-user-py.ov5d
fi
exec build-runner/bin/orvane-run "$@"
