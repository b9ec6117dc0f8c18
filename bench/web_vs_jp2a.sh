#!/usr/bin/env bash
# Times the biggest web-art page, `glifora web --size 5 --quality` of a
# 4000 x 3000 JPEG (one coloured sample per pixel), beside jp2a writing its
# coloured HTML page of the same 4000 x 3000 characters, on a smooth photo and
# on a noisy picture where no two neighbouring samples share a colour. Prints
# the best wall-clock time of each, the ratio glifora / jp2a, and the peak
# resident memory of one run of each (GNU time's maximum resident set size).
# Needs Debian's imagemagick, jp2a and time.
#
# Figures on the 2-core build machine, under load from other builds (RUNS=3):
#   smooth  glifora  602 ms, jp2a 6377 ms, ratio 0.09; page 201 MB
#   noisy   glifora 2095 ms, jp2a 5959 ms, ratio 0.35; page 522 MB
#   peak resident memory: glifora 67 MiB on both (46 MiB of it the picture),
#   jp2a 237 MiB.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5}
source bench/timing.sh

convert -size 4000x3000 plasma:fractal -blur 0x8 -quality 92 "$work/smooth.jpg"
# Random colours per pixel; quality 100 keeps neighbours apart after JPEG.
convert -size 4000x3000 xc:gray +noise Random -quality 100 "$work/noisy.jpg"

# Peak resident set size of one run, in MiB.
peak() {
  /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident/ {printf "%.0f", $2 / 1024}'
}

run_glifora() { "$glifora" web "$1" -o "$work/g.html" --size 5 --quality; }
run_jp2a() { jp2a --size=4000x3000 --colors --htmlls "$1" >"$work/j.html"; }

printf '%-8s %10s %10s %7s %12s %12s %10s\n' picture glifora_ms jp2a_ms ratio glifora_MiB jp2a_MiB page_MB
for picture in smooth noisy; do
  file="$work/$picture.jpg"
  g=$(best run_glifora "$file")
  j=$(best run_jp2a "$file")
  gm=$(peak "$glifora" web "$file" -o "$work/g.html" --size 5 --quality)
  jm=$(peak jp2a --size=4000x3000 --colors --htmlls "$file")
  size=$(stat -c %s "$work/g.html")
  printf '%-8s %10d %10d %7s %12s %12s %10d\n' "$picture" "$g" "$j" \
    "$(awk -v a="$g" -v b="$j" 'BEGIN{printf "%.2f", (b>0?a/b:0)}')" "$gm" "$jm" \
    $((size / 1000000))
done
echo "picture in memory: 4000 x 3000 x 4 bytes = 46 MiB; goal: glifora_MiB < 46 + 32"
