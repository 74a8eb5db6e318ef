#!/usr/bin/env bash
# Runs the drawing tests (graphs, views, desktop windows) of the build in
# build/ once more with another common font family installed: the Liberation
# fonts that an office suite brings, which the system then offers for "Times"
# and friends. The pictures must not change and the tests must pass whatever
# else is installed. A package this script installed is removed again, so the
# machine is left as it was found.
set -euo pipefail
cd "$(dirname "$0")/.."
package=fonts-liberation2
installed_here=0
if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "$package"
  installed_here=1
fi
status=0
ctest --test-dir build --output-on-failure -j2 -L 'results|views|ui' || status=$?
if [ "$installed_here" = 1 ]; then
  DEBIAN_FRONTEND=noninteractive ${sudo:-} apt-get remove -y -q "$package" || true
fi
exit "$status"
