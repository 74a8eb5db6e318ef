#!/usr/bin/env bash
# Makes the pictures of the desktop program in docs/screenshots under a
# virtual X server. Usage: scripts/screenshots.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 --target orvane_screenshots orvane_run_screenshots OrvaneEngine
xvfb-run -a -s "-screen 0 1280x900x24" "$build/bin/orvane_screenshots" docs/screenshots
xvfb-run -a -s "-screen 0 1280x900x24" "$build/bin/orvane_run_screenshots" docs/screenshots
