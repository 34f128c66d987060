#!/usr/bin/env bash
# File mode beside its peers on the same lines of 128 characters: `pr -f -l 66`, cups-filters'
# texttotext, and a bare C loop that writes and flushes each line. Three runs each, median.
#   bench/file-mode.sh [LINES ...]     (default: 100000 1000000)
. "$(dirname "$0")/common.sh"
dpkg-query -W cups-filters >/dev/null 2>&1 || apt-get install -y -qq cups-filters >/dev/null
build_target FileModeBench
bench=build/bench/FileModeBench

counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(100000 1000000)
for lines in "${counts[@]}"; do
  make_lines "$lines" >"$work/in.txt"
  echo "== $lines lines of 128 characters"
  read -r s m < <(median "$bench" bare "$lines" "$work/bare.out"); bare=$s
  row "bare loop, write + flush per line" "$lines" "$s" "$m"
  read -r s m < <(median "$bench" file "$lines" "$work/file.out"); file=$s
  row "engine, file mode" "$lines" "$s" "$m"
  read -r s m < <(median "$bench" lastpages "$lines" "$work/last.out")
  row "engine, file mode, last 8 pages" "$lines" "$s" "$m"
  read -r s m < <(median sh -c "pr -f -l 66 '$work/in.txt' > '$work/pr.out'")
  row "pr -f -l 66" "$lines" "$s" "$m"
  read -r s m < <(median sh -c "/usr/lib/cups/filter/texttotext 1 bench bench 1 '' '$work/in.txt' > '$work/ttt.out'")
  row "cups-filters texttotext" "$lines" "$s" "$m"
  ratio "file mode / bare loop" "$file" "$bare" "goal: within 1.3x"
done
