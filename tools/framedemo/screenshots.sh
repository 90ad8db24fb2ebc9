#!/usr/bin/env bash
# Screenshots of the frame demo in every built-in style and in the demonstration skin,
# taken on the test bed's virtual display: docs/frame-<style>.png.
#
#   tools/framedemo/screenshots.sh BUILD_DIR SKINTOOL
# BUILD_DIR is a Windows build with the framedemo target built; SKINTOOL the native
# skintool that packs the demonstration skin.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$(realpath "$1")"
skintool="$(realpath "$2")"
work="$build/framedemo-shots"
mkdir -p "$work"

python3 tools/framedemo/make_demo_skin.py "$work/skin"
"$skintool" pack "$work/skin" "$work/demo.skn" >/dev/null

cmake/testbed/testbed-start "$build/testbed" >/dev/null
export DISPLAY=":$(cat "$build/testbed/display")"

shoot() {
  local look="$1" name="$2"
  "$build/testbed/wine-run" "$build/tools/framedemo/framedemo.exe" "$look" &
  local demo=$!
  sleep 4
  import -window root "$work/screen.png"
  kill "$demo" 2>/dev/null || true
  wait "$demo" 2>/dev/null || true
  # The demo window stands at (80, 80), 300 x 220, on a black desktop: a margin round it.
  convert "$work/screen.png" -crop 316x236+72+72 +repage "docs/frame-$name.png"
  echo "docs/frame-$name.png"
}

for style in MacOS WinXP DeepBlue Protein BlueGlass; do
  shoot "$style" "$style"
done
shoot "$(winepath -w "$work/demo.skn" 2>/dev/null || echo "Z:${work//\//\\}\\demo.skn")" skin-file
