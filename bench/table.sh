#!/usr/bin/env bash
# A table of 1,000,000 people (or the count given): creating it, opening it, walking it from
# first to last reading every field's DisplayText, beside the sqlite3 command selecting the same
# rows into a file. Targets: open under 50 ms, the walk at least 1M records/s, under 50 MB.
. "$(dirname "$0")/common.sh"
dpkg-query -W sqlite3 >/dev/null 2>&1 || apt-get install -y -qq sqlite3 >/dev/null
build_target TableBench
bench=build/bench/TableBench
rows=${1:-1000000}

echo "== $rows people"
"$bench" create "$rows" "$work"
for _ in 1 2 3; do /usr/bin/time -f '%M' -o "$work/t" "$bench" walk "$work" >"$work/o$_"; cat "$work/t" >>"$work/peaks"; done
sort -t: -k2 -n "$work/o1" "$work/o2" "$work/o3" | grep '^open' | sort -k2 -n | sed -n 2p
grep -h walk "$work"/o? | sort -k5 -n | sed -n 2p
echo "peak memory of the walk: $(sort -n "$work/peaks" | sed -n 2p | awk '{ printf "%.1f MB", $1 / 1024 }')"
read -r s m < <(median sh -c "sqlite3 '$work/People.DB' 'SELECT * FROM People' > '$work/sqlite3.out'")
row "sqlite3 SELECT * to a file" "$rows" "$s" "$m"
