#!/usr/bin/env bash
# File mode beside its peers on the same lines of 128 characters: `pr -f -l 66`, cups-filters'
# texttotext, and a bare C loop that writes and flushes each line. Three runs each, median.
#   bench/file-mode.sh [LINES ...]     (default: 100000 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps
dpkg-query -W cups-filters >/dev/null 2>&1 || apt-get install -y -qq cups-filters >/dev/null
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target FileModeBench >/dev/null
bench=build/bench/FileModeBench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Median of three runs of a command; prints "seconds peak-kB". Our own programs report the time
# of their loop (without process start); the peers are timed whole.
median() {
  for _ in 1 2 3; do
    /usr/bin/time -f '%e %M' -o "$work/t" "$@" >"$work/o" 2>/dev/null
    own=$(awk '{ for (i = 2; i <= NF; i++) if ($i == "s") print $(i - 1) }' "$work/o")
    read -r elapsed peak <"$work/t"
    echo "${own:-$elapsed} $peak"
  done | sort -n | sed -n 2p
}

row() {  # name lines seconds peak-kB
  awk -v n="$1" -v l="$2" -v s="$3" -v m="$4" \
    'BEGIN { printf "%-34s %9d lines %8.3f s %10.0f lines/s %7.1f MB peak\n", n, l, s, l / (s > 0 ? s : 0.001), m / 1024 }'
}

for lines in "${@:-100000 1000000}"; do
  for lines1 in $lines; do
    awk -v n="$lines1" 'BEGIN { x = sprintf("%120s", ""); gsub(/ /, "x", x); for (i = 0; i < n; i++) printf "%07d %s\n", i % 10000000, x }' >"$work/in.txt"
    echo "== $lines1 lines of 128 characters"
    read -r s m < <(median "$bench" bare "$lines1" "$work/bare.out"); bare=$s; row "bare loop, write + flush per line" "$lines1" "$s" "$m"
    read -r s m < <(median "$bench" file "$lines1" "$work/file.out"); file=$s; row "engine, file mode" "$lines1" "$s" "$m"
    read -r s m < <(median "$bench" lastpages "$lines1" "$work/last.out"); row "engine, file mode, last 8 pages" "$lines1" "$s" "$m"
    read -r s m < <(median sh -c "pr -f -l 66 '$work/in.txt' > '$work/pr.out'"); row "pr -f -l 66" "$lines1" "$s" "$m"
    read -r s m < <(median sh -c "/usr/lib/cups/filter/texttotext 1 bench bench 1 '' '$work/in.txt' > '$work/ttt.out'"); row "cups-filters texttotext" "$lines1" "$s" "$m"
    awk -v f="$file" -v b="$bare" 'BEGIN { printf "file mode / bare loop: %.2fx (goal: within 1.3x)\n", f / (b > 0 ? b : 0.001) }'
  done
done
