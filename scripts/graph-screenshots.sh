#!/bin/bash
# Makes the pictures of the graph windows and of a printed graph page in
# docs/screenshots under a virtual X server.
# Usage: scripts/graph-screenshots.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 --target orvane_graph_screenshots OrvaneEngine
xvfb-run -a -s "-screen 0 1600x1000x24" "$build/bin/orvane_graph_screenshots" examples docs/screenshots
pdftoppm -png -r 80 -singlefile docs/screenshots/graph-printed-page.pdf docs/screenshots/graph-printed-page
rm docs/screenshots/graph-printed-page.pdf
