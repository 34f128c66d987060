# Shared by the benchmark scripts: builds a target and times commands.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps
build_target() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)" --target "$@" >/dev/null
}
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
    'BEGIN { printf "%-38s %9d lines %8.3f s %10.0f lines/s %7.1f MB peak\n", n, l, s, l / (s > 0 ? s : 0.001), m / 1024 }'
}

ratio() {  # text a b goal
  awk -v t="$1" -v a="$2" -v b="$3" -v g="$4" 'BEGIN { printf "%s: %.2fx (%s)\n", t, a / (b > 0 ? b : 0.001), g }'
}

# Lines of 128 characters, as the benchmark programs make them.
make_lines() {
  awk -v n="$1" 'BEGIN { x = sprintf("%120s", ""); gsub(/ /, "x", x); for (i = 0; i < n; i++) printf "%07d %s\n", i % 10000000, x }'
}
