#!/usr/bin/env bash
# Takes the screenshots of the README under a virtual X server: the main window, the four pages
# of the print setup dialog, the program after a graphics print to "Print to PDF", and the first
# page of that PDF.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || apt-get install -y -qq "${tool##*:}" >/dev/null
done
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target qorprint-demo >/dev/null

work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
demo=
trap 'kill $demo $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display CUPS_SERVER=/nonexistent  # no printer: "Print to PDF"
sleep 1

window_named() {
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window $1" >&2
  exit 1
}
shoot() { sleep 0.4; import -window "$1" "$root/docs/$2"; echo "docs/$2"; }

(cd "$work" && exec "$root/build/app/qorprint-demo") >/dev/null 2>&1 &
demo=$!
main=$(window_named Form1)
shoot "$main" main-window.png

eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 189)) $((Y + 212)) click 1  # "Print Grid"
dialog=$(window_named "Print setup")
eval "$(xdotool getwindowgeometry --shell "$dialog")"
tab=37
for page in common page-setup numbering text; do
  xdotool mousemove $((X + tab)) $((Y + 12)) click 1
  shoot "$dialog" "dialog-$page.png"
  case $page in common) tab=115 ;; page-setup) tab=190 ;; numbering) tab=251 ;; esac
done
xdotool mousemove $((X + 37)) $((Y + 12)) click 1
xdotool key --window "$dialog" Return  # OK: graphics mode, to "Print to PDF"
for _ in $(seq 50); do [ -f "$work/QorPrint.pdf" ] && break; sleep 0.1; done
shoot "$main" after-print.png
pdftoppm -png -r 70 -f 1 -l 1 -singlefile "$work/QorPrint.pdf" "$root/docs/report-page1"
echo "docs/report-page1.png"
