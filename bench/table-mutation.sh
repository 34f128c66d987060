#!/usr/bin/env bash
# Opens and walks a few thousand damaged copies of a small valid table file, each in a child
# process of a sanitizer build: no crash and no hang may come of any. Arguments: count, seed.
. "$(dirname "$0")/common.sh"
count=${1:-3000}
seed=${2:-1}
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DQOR_SANITIZE=ON -DQOR_BUILD_TESTS=OFF -DQOR_BUILD_BENCH=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target TableMutation TableBench >/dev/null
build-fuzz/bench/TableBench create 300 "$work" >/dev/null
ASAN_OPTIONS=detect_leaks=0 build-fuzz/bench/TableMutation "$work" "$count" "$seed"
