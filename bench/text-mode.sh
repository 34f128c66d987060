#!/usr/bin/env bash
# Text mode on 1,000,000 lines of 128 characters (or the count given): into a spooler that drops
# the bytes, into the raw queue of a private CUPS server, file mode, the ANSI to OEM table alone,
# and `iconv -f WINDOWS-1252 -t CP850` over the same bytes. Three runs each, median.
. "$(dirname "$0")/common.sh"
build_target TextModeBench
bench=build/bench/TextModeBench
lines=${1:-1000000}

tests/e2e/cups-server.sh start "$work/cups" >/dev/null
trap 'tests/e2e/cups-server.sh stop "$work/cups"; rm -rf "$work"' EXIT
export CUPS_SERVER="$work/cups/cups.sock"

make_lines "$lines" | sed 's/^\(.......\) /\1\xe9/' >"$work/in.txt"
echo "== $lines lines of 128 characters"
read -r s m < <(median "$bench" discard "$lines"); row "engine, text mode, discarding spooler" "$lines" "$s" "$m"
read -r s m < <(median "$bench" cups "$lines"); cups=$s; row "engine, text mode, CUPS raw queue" "$lines" "$s" "$m"
rm -f "$work"/cups/capture/qor-raw/*
read -r s m < <(median "$bench" file "$lines" "$work/file.out"); file=$s; row "engine, file mode" "$lines" "$s" "$m"
read -r s m < <(median "$bench" convert "$lines"); convert=$s; row "ANSI to OEM table" "$lines" "$s" "$m"
read -r s m < <(median sh -c "iconv -f WINDOWS-1252 -t CP850 '$work/in.txt' > '$work/iconv.out'"); iconv=$s
row "iconv -f WINDOWS-1252 -t CP850" "$lines" "$s" "$m"
ratio "CUPS raw queue / file mode (time)" "$cups" "$file" "goal: within 1.5x"
ratio "table / iconv (lines per second)" "$iconv" "$convert" "goal: at least 10x"
