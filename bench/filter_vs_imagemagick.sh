#!/bin/sh
# Times `glifora filter` beside ImageMagick's nearest operation on the same
# generated 4000 x 3000 BMP, best of five runs each, for three filters:
#   negativo   beside  -negate
#   desenfocar beside  a 3 x 3 convolution (the eight neighbours' mean)
#   contornos  beside  a 3 x 3 Laplacian convolution
# and prints each ratio (goal: 0.3 or less) of wall time and of CPU time (user
# plus system, all threads; steadier on a machine shared with other work),
# and each program's peak memory as a multiple of the picture's size in
# memory (W x H x 4 bytes; goal for glifora: 1.3 or less), and what the
# picture adds to each program's start-up: the peak less that of the same
# command on a 4 x 3 picture (mostly the shared libraries' pages).
# Usage: bench/filter_vs_imagemagick.sh [path/to/glifora]
set -eu
GLIFORA=${1:-build/src/app/glifora}
CONVERT=convert
[ -x /usr/bin/convert ] && CONVERT=/usr/bin/convert
W=4000
H=3000
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
$CONVERT -size ${W}x$H plasma:fractal -seed 7 -depth 8 -type TrueColor "BMP3:$WORK/photo.bmp" 2>/dev/null ||
    $CONVERT -size ${W}x$H gradient:navy-orange -depth 8 -type TrueColor "BMP3:$WORK/photo.bmp"
$CONVERT -size 4x3 xc:navy -depth 8 -type TrueColor "BMP3:$WORK/tiny.bmp"

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

peak() {  # peak resident memory of "$@" in KiB
    /usr/bin/time -f %M -o "$WORK/rss" "$@" >/dev/null 2>&1
    cat "$WORK/rss"
}

cpu() {  # least CPU time (user + system) in milliseconds of five runs of "$@"
    b=
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f "%U %S" -o "$WORK/cpu" "$@" >/dev/null 2>&1
        t=$(awk '{ printf "%d", ($1 + $2) * 1000 }' "$WORK/cpu")
        if [ -z "$b" ] || [ "$t" -lt "$b" ]; then b=$t; fi
    done
    echo "$b"
}

compare_one() {  # name, glifora effect, ImageMagick operation...
    name=$1
    effect=$2
    shift 2
    g=$(best "$GLIFORA" filter "$WORK/photo.bmp" -o "$WORK/g.bmp" --effect "$effect")
    m=$(best $CONVERT "$WORK/photo.bmp" "$@" "$WORK/m.bmp")
    gc=$(cpu "$GLIFORA" filter "$WORK/photo.bmp" -o "$WORK/g.bmp" --effect "$effect")
    mc=$(cpu $CONVERT "$WORK/photo.bmp" "$@" "$WORK/m.bmp")
    gk=$(peak "$GLIFORA" filter "$WORK/photo.bmp" -o "$WORK/g.bmp" --effect "$effect")
    mk=$(peak $CONVERT "$WORK/photo.bmp" "$@" "$WORK/m.bmp")
    g0=$(peak "$GLIFORA" filter "$WORK/tiny.bmp" -o "$WORK/g0.bmp" --effect "$effect")
    m0=$(peak $CONVERT "$WORK/tiny.bmp" "$@" "$WORK/m0.bmp")
    awk -v n="$name" -v g="$g" -v m="$m" -v gc="$gc" -v mc="$mc" -v gk="$gk" -v mk="$mk" \
        -v g0="$g0" -v m0="$m0" -v px=$((W * H * 4)) 'BEGIN {
        printf "%-10s wall: glifora %4d ms, convert %5d ms, ratio %.2f | cpu: %4d ms, %5d ms, ratio %.2f | peak: %.2f x picture, %.2f x | start-up %.1f MiB, %.1f MiB; above it %.2f x, %.2f x\n",
            n, g, m, g / m, gc, mc, gc / (mc > 0 ? mc : 1), gk * 1024 / px, mk * 1024 / px,
            g0 / 1024, m0 / 1024, (gk - g0) * 1024 / px, (mk - m0) * 1024 / px }'
}

echo "no step: glifora filter alone (decode and encode) $(best "$GLIFORA" filter "$WORK/photo.bmp" -o "$WORK/g.bmp") ms wall, $(cpu "$GLIFORA" filter "$WORK/photo.bmp" -o "$WORK/g.bmp") ms cpu"
compare_one negativo 2 -negate
compare_one desenfocar 3 -define convolve:scale=1/8 -morphology Convolve "3x3: 1,1,1 1,0,1 1,1,1"
compare_one contornos 7 -morphology Convolve "3x3: -1,-1,-1 -1,8,-1 -1,-1,-1"
"$GLIFORA" filter "$WORK/photo.bmp" -o "$WORK/g.bmp" --effect 2 >/dev/null 2>&1
$CONVERT "$WORK/photo.bmp" -negate "$WORK/m.bmp"
compare -metric AE "$WORK/g.bmp" "$WORK/m.bmp" null: 2>"$WORK/ae" || true
echo "negativo: pixels differing from convert -negate: $(cat "$WORK/ae")"
