#!/usr/bin/env bash
# The screenshot of the controls gallery in every built-in style and in a skin file made
# from the demonstration skin, taken on the test bed's virtual display and cut to the
# window: docs/gallery-controls.png.
#
#   tools/controlgallery/screenshot.sh BUILD_DIR SKINTOOL
# BUILD_DIR is a Windows build with the controlgallery target built; SKINTOOL the native
# skintool that packs the skin.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$(realpath "$1")"
skintool="$(realpath "$2")"
work="$build/controlgallery-shots"
mkdir -p "$work"

python3 tools/controlgallery/make_controls_skin.py "$work/skin"
"$skintool" pack "$work/skin" "$work/controls.skn" >/dev/null

cmake/testbed/testbed-start "$build/testbed" >/dev/null
export DISPLAY=":$(cat "$build/testbed/display")"

skin="$(winepath -w "$work/controls.skn" 2>/dev/null || echo "Z:${work//\//\\}\\controls.skn")"
"$build/testbed/wine-run" "$build/tools/controlgallery/controlgallery.exe" "$skin" &
gallery=$!
trap 'kill "$gallery" 2>/dev/null || true' EXIT

# The window takes its final size once every picture is taken; wait for that, then for paint.
window=""
for _ in $(seq 1 120); do
  window="$(xdotool search --name "^Tarnwick controls gallery$" 2>/dev/null | tail -1 || true)"
  if [ -n "$window" ] && [ "$(xwininfo -id "$window" | awk '/Height:/ {print $2}')" -gt 700 ]; then break; fi
  sleep 0.5
done
[ -n "$window" ] || { echo "controls gallery window did not appear" >&2; exit 1; }
sleep 3

import -window root "$work/screen.png"
geometry="$(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w, h, x, y}')"
convert "$work/screen.png" -crop "$geometry" +repage docs/gallery-controls.png
echo "docs/gallery-controls.png ($geometry)"
