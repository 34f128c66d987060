#!/usr/bin/env bash
# Takes the screenshots of the README under a virtual X server: the main window of the demo
# program (docs/main-window.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || apt-get install -y -qq "${tool##*:}" >/dev/null
done
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target qorprint-demo >/dev/null

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $demo $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
build/app/qorprint-demo >/dev/null 2>&1 &
demo=$!
for _ in $(seq 50); do
  window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
sleep 0.5
import -window "$window" docs/main-window.png
echo "docs/main-window.png"
