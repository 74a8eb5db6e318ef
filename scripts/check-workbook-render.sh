#!/usr/bin/env bash
# Opens the workbook of an example in a real spreadsheet program: analyses
# examples/sand-over-weak-rock-socket.ov5d, exports its seven graphs with
# orvane-run --export-xlsx, prints the workbook to PDF with LibreOffice Calc
# (headless) and checks the chart pages (WorkbookRenderCheck.py); the chart
# pages are left as PNG pictures to look at.
# Installs libreoffice-calc and poppler-utils when they are missing, so it
# is not part of scripts/test.sh; ctest runs it under the label "render" in
# a build configured with -DORVANE_RENDER_TESTS=ON.
# Usage: scripts/check-workbook-render.sh [ORVANE_RUN [OUT_FOLDER]]
#   ORVANE_RUN  default build/bin/orvane-run
#   OUT_FOLDER  where the PNGs go, default a new temporary folder
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
runner="$(realpath "${1:-$source_dir/build/bin/orvane-run}")"
out="${2:-}"
example=sand-over-weak-rock-socket

started=$(date +%s.%N)
missing=()
command -v soffice >/dev/null || missing+=(libreoffice-calc)
{ command -v pdftoppm >/dev/null && command -v pdftotext >/dev/null; } || missing+=(poppler-utils)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
installed=$(date +%s.%N)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
[ -n "$out" ] || out="$(mktemp -d)"
mkdir -p "$out"
cp "$source_dir/examples/$example.ov5d" "$work/"
"$runner" "$work/$example.ov5d" >/dev/null
"$runner" --export-xlsx "$work/$example.ov5d" "$work/$example-plots.xlsx"
exported=$(date +%s.%N)

# A profile of its own, so that a running LibreOffice or the user's settings
# play no part.
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" \
  "$work/$example-plots.xlsx" >/dev/null 2>"$work/soffice.err" || { cat "$work/soffice.err" >&2; exit 1; }
[ -s "$work/$example-plots.pdf" ] || { echo "LibreOffice wrote no PDF" >&2; cat "$work/soffice.err" >&2; exit 1; }
converted=$(date +%s.%N)

python3 "$source_dir/tests/app/results/WorkbookRenderCheck.py" "$work/$example-plots.pdf" "$out"
done_at=$(date +%s.%N)
echo "Chart pages as PNG in $out"
awk -v a="$started" -v b="$installed" -v c="$exported" -v d="$converted" -v e="$done_at" 'BEGIN {
  printf "Seconds: installing %.1f, analysis and export %.1f, LibreOffice to PDF %.1f, checks and PNGs %.1f, total %.1f\n",
         b - a, c - b, d - c, e - d, e - a }'
