#!/usr/bin/env bash
# Builds the engine and the runner, then analyses an example project.
# Usage: scripts/run-example.sh [data file ...]   (default: the cantilever example)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
if [ $# -eq 0 ]; then
  set -- examples/cantilever-user-py.ov5d
fi
exec build/bin/orvane-run "$@"
