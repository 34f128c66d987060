#!/usr/bin/env bash
# The demo window on a People.DB of 1,000,000 rows (or the count given), on Qt's offscreen
# platform: from process start to the window shown with its first rows (goal: under 1 s), peak
# memory (goal: under 100 MB), and scrolling the grid to its last row (goal: under 100 ms).
. "$(dirname "$0")/common.sh"
dpkg-query -W sqlite3 >/dev/null 2>&1 || apt-get install -y -qq sqlite3 >/dev/null
build_target StartupBench TableBench
rows=${1:-1000000}
build/bench/TableBench create "$rows" "$work" >/dev/null
echo "== People.DB of $rows rows"
for run in 1 2 3; do
  echo "-- run $run"
  QT_QPA_PLATFORM=offscreen build/bench/StartupBench "$work" "$(date +%s%N)" 2>/dev/null
done
