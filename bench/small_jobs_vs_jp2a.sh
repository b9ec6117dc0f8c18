#!/usr/bin/env bash
# Small jobs, where start-up is most of the time: `glifora ascii` and
# `glifora web --size 1` of a 1000 x 750 JPEG beside jp2a doing the same on
# the same file (--width=100 text; a coloured HTML page of the 200 x 150
# samples web size 1 takes). glifora's text art is timed cold (the glyph
# cache turned off, so every run starts fontconfig and draws the palette) and
# cached (a cache folder of the script's own, filled by one run first).
# Prints the best wall-clock time of each (the two run in turn) and the ratio
# glifora / jp2a; the goal is a ratio of at most 1 for the cached text art and the web page.
# Needs Debian's imagemagick and jp2a.
#
# Figures on the 2-core build machine, under load from other builds (RUNS=31):
#   ascii cold   glifora 24 ms  jp2a 15 ms  ratio 1.60
#   ascii cached glifora 13 ms  jp2a 15 ms  ratio 0.87
#   web          glifora 19 ms  jp2a 22 ms  ratio 0.86
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-21}
source bench/timing.sh
photo="$work/photo.jpg"
convert -size 1000x750 plasma:fractal -blur 0x2 -quality 90 "$photo"
export XDG_CACHE_HOME="$work/cache"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", (b>0?a/b:0)}'; }

# Runs the two commands (shell functions) in turn, one at a time, $runs times
# each, so load from elsewhere falls on both alike; prints "A_ms B_ms", each
# the best of its runs.
best_of_pairs() {
  local a=999999 b=999999 t
  for _ in $(seq "$runs"); do
    t=$(runs=1 best "$1")
    ((t < a)) && a=$t
    t=$(runs=1 best "$2")
    ((t < b)) && b=$t
  done
  echo "$a $b"
}
row() {
  local g j
  read -r g j < <(best_of_pairs "$2" "$3")
  printf '%-13s glifora %4d ms  jp2a %4d ms  ratio %s\n' "$1" "$g" "$j" "$(ratio "$g" "$j")"
}

cold_ascii() { GLIFORA_NO_GLYPH_CACHE=1 "$glifora" ascii "$photo" --columns 100; }
cached_ascii() { "$glifora" ascii "$photo" --columns 100; }
jp2a_text() { jp2a --width=100 "$photo"; }
glifora_web() { "$glifora" web "$photo" -o "$work/g.html" --size 1; }
jp2a_web() { jp2a --colors --html --size=200x150 "$photo"; }

cached_ascii >/dev/null  # fills the cache
row "ascii cold" cold_ascii jp2a_text
row "ascii cached" cached_ascii jp2a_text
row "web" glifora_web jp2a_web
