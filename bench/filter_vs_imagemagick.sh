#!/bin/sh
# Times `glifora filter photo.bmp -o out.bmp --effect 2` beside ImageMagick's
# `convert photo.bmp -negate out.bmp` on the same generated 4000 x 3000 BMP,
# best of five runs each, and prints the ratio (goal: 0.5 or less).
# Usage: bench/filter_vs_imagemagick.sh [path/to/glifora]
set -eu
GLIFORA=${1:-build/src/app/glifora}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
convert -size 4000x3000 plasma:fractal -seed 7 -depth 8 -type TrueColor "BMP3:$WORK/photo.bmp" 2>/dev/null ||
    convert -size 4000x3000 gradient:navy-orange -depth 8 -type TrueColor "BMP3:$WORK/photo.bmp"

best() {  # best wall time in milliseconds of five runs of "$@"
    b=
    for _ in 1 2 3 4 5; do
        s=$(date +%s%N)
        "$@" >/dev/null 2>&1
        e=$(date +%s%N)
        t=$(((e - s) / 1000000))
        if [ -z "$b" ] || [ "$t" -lt "$b" ]; then b=$t; fi
    done
    echo "$b"
}

g=$(best "$GLIFORA" filter "$WORK/photo.bmp" -o "$WORK/g.bmp" --effect 2)
m=$(best convert "$WORK/photo.bmp" -negate "$WORK/m.bmp")
compare -metric AE "$WORK/g.bmp" "$WORK/m.bmp" null: 2>"$WORK/ae" || true
echo "glifora filter --effect 2: ${g} ms"
echo "convert -negate:           ${m} ms"
echo "differing pixels:          $(cat "$WORK/ae")"
awk -v g="$g" -v m="$m" 'BEGIN { printf "ratio glifora / convert:   %.2f\n", g / m }'
