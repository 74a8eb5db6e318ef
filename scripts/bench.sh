#!/usr/bin/env bash
# Builds optimised and runs the engine, graph-drawing and workbook-export benchmarks (figures go
# into the README).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j2 --target engine_bench graph_bench export_bench
build-release/bench/engine_bench "$@"
build-release/bench/graph_bench "$@"
build-release/bench/export_bench "$@"
