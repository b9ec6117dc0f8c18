#!/usr/bin/env bash
# Small jobs, where start-up is most of the time: `glifora ascii` and
# `glifora web --size 1` of a 1000 x 750 JPEG beside jp2a doing the same on
# the same file (--width=100 text; a coloured HTML page of the 200 x 150
# samples web size 1 takes). glifora's text art is timed cold (the glyph
# cache turned off, so every run starts fontconfig and draws the palette) and
# cached (a cache folder of the script's own, filled by one run first).
# Prints the best wall-clock time of each and the ratio glifora / jp2a; the
# goal is a ratio of at most 1 for the cached text art and the web page.
# Needs Debian's imagemagick and jp2a.
#
# Figures on the 2-core build machine, under load from other builds (RUNS=21):
#   ascii cold   glifora 30 ms  jp2a 13 ms  ratio 2.31
#   ascii cached glifora 12 ms  jp2a 13 ms  ratio 0.92
#   web          glifora 17 ms  jp2a 20 ms  ratio 0.85
set -euo pipefail
cd "$(dirname "$0")/.."
glifora=$(realpath "${GLIFORA:-build/src/app/glifora}")
runs=${RUNS:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
photo="$work/photo.jpg"
convert -size 1000x750 plasma:fractal -blur 0x2 -quality 90 "$photo"
export XDG_CACHE_HOME="$work/cache"

source bench/timing.sh
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", (b>0?a/b:0)}'; }
row() { printf '%-13s glifora %4d ms  jp2a %4d ms  ratio %s\n' "$1" "$2" "$3" "$(ratio "$2" "$3")"; }

cold_ascii() { GLIFORA_NO_GLYPH_CACHE=1 "$glifora" ascii "$photo" --columns 100; }

"$glifora" ascii "$photo" --columns 100 >/dev/null  # fills the cache
cold=$(best cold_ascii)
cached=$(best "$glifora" ascii "$photo" --columns 100)
jtext=$(best jp2a --width=100 "$photo")
web=$(best "$glifora" web "$photo" -o "$work/g.html" --size 1)
jweb=$(best jp2a --colors --html --size=200x150 "$photo")
row "ascii cold" "$cold" "$jtext"
row "ascii cached" "$cached" "$jtext"
row "web" "$web" "$jweb"
