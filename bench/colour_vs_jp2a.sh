#!/usr/bin/env bash
# Times coloured terminal output of a 4000 x 3000 JPEG at 200 columns beside
# jp2a --colors (and chafa) on the same file, in 24-bit and 256 colours, and
# reports the escape bytes per cell. The target: glifora <= 1.5 x jp2a.
# Needs Debian's imagemagick, jp2a and chafa.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}
source bench/timing.sh
photo="$work/photo.jpg"
noisy_photo "$photo"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", (b>0?a/b:0)}'; }

for depth in 24 256; do
  label=$([ "$depth" = 24 ] && echo 24-bit || echo 256-entry)
  jdepth=$([ "$depth" = 24 ] && echo 24 || echo 8)
  g=$(best "$glifora" ascii "$photo" --columns 200 --color=always --color-depth "$depth")
  j=$(best jp2a --colors --color-depth="$jdepth" --width=200 "$photo")
  c=$(best chafa -f symbols --symbols ascii -c "$([ "$depth" = 24 ] && echo full || echo 240)" -s 200 "$photo")
  plain=$(best "$glifora" ascii "$photo" --columns 200)
  printf '%s colour: glifora %5d ms  jp2a %5d ms  chafa %5d ms  glifora/jp2a %s  (glifora without colour %d ms)\n' \
    "$label" "$g" "$j" "$c" "$(ratio "$g" "$j")" "$plain"
  # Bytes per cell: the coloured output against the number of cells.
  "$glifora" ascii "$photo" --columns 200 --color=always --color-depth "$depth" >"$work/g.txt"
  "$glifora" ascii "$photo" --columns 200 --color=never >"$work/p.txt"
  jp2a --colors --color-depth="$jdepth" --width=200 "$photo" >"$work/j.txt"
  cells=$(( $(wc -c <"$work/p.txt") - $(wc -l <"$work/p.txt") ))
  jcells=$(( $(sed 's/\x1b\[[0-9;]*m//g' "$work/j.txt" | wc -c) - $(wc -l <"$work/j.txt") ))
  printf '    bytes per cell: glifora %s (%d cells)  jp2a %s (%d cells)\n' \
    "$(awk -v a="$(wc -c <"$work/g.txt")" -v b="$cells" 'BEGIN{printf "%.2f", a/b}')" "$cells" \
    "$(awk -v a="$(wc -c <"$work/j.txt")" -v b="$jcells" 'BEGIN{printf "%.2f", a/b}')" "$jcells"
done
