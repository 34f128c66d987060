#!/usr/bin/env bash
# The grid report in file mode over People.DB of 100,000 and 1,000,000 rows, beside the engine
# printing the same lines without a dataset (goal: within 2x), with peak memory.
. "$(dirname "$0")/common.sh"
dpkg-query -W sqlite3 >/dev/null 2>&1 || apt-get install -y -qq sqlite3 >/dev/null
build_target ReportBench TableBench
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(100000 1000000)
for rows in "${counts[@]}"; do
  rm -f "$work/People.DB"
  build/bench/TableBench create "$rows" "$work" >/dev/null
  echo "== $rows rows"
  read -r s m < <(median build/bench/ReportBench report "$work" "$work/report.txt"); report=$s
  row "grid report, file mode" "$rows" "$s" "$m"
  read -r s m < <(median build/bench/ReportBench lines "$rows" "$work/lines.txt"); lines=$s
  row "engine, the same lines, no dataset" "$rows" "$s" "$m"
  ratio "report / engine alone" "$report" "$lines" "goal: within 2x"
done
