#!/usr/bin/env bash
# Graphics mode into a PDF beside a bare QPainter loop drawing the same lines (goal: within 1.1x)
# and cups-filters' texttopdf; 1,000,000 lines of 128 characters by default, one run each.
. "$(dirname "$0")/common.sh"
dpkg-query -W cups-filters >/dev/null 2>&1 || apt-get install -y -qq cups-filters >/dev/null
build_target GraphicsBench
bench=$PWD/build/bench/GraphicsBench
lines=${1:-1000000}
make_lines "$lines" >"$work/in.txt"
cd "$work"
export CUPS_SERVER=/nonexistent  # no printer: Print to PDF
echo "== $lines lines of 128 characters"
/usr/bin/time -f '%M' -o t "$bench" bare "$lines" | tee o1; echo "  peak $(awk '{ printf "%.1f MB", $1 / 1024 }' t)"
/usr/bin/time -f '%M' -o t "$bench" engine "$lines" | tee o2; echo "  peak $(awk '{ printf "%.1f MB", $1 / 1024 }' t)"
read -r s m < <(median sh -c "/usr/lib/cups/filter/texttopdf 1 bench bench 1 '' in.txt > texttopdf.pdf")
row "cups-filters texttopdf" "$lines" "$s" "$m"
bare=$(awk '{ for (i = 2; i <= NF; i++) if ($i == "s") print $(i - 1) }' o1)
engine=$(awk '{ for (i = 2; i <= NF; i++) if ($i == "s") print $(i - 1) }' o2)
ratio "graphics mode / bare loop" "$engine" "$bare" "goal: within 1.1x"
