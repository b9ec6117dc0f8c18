#!/usr/bin/env bash
# Text-art quality and speed beside jp2a and chafa (README, "Quality").
# Photos: the real photographs bundled with scikit-image's data module, taken
# from Debian's python3-skimage package (downloaded and unpacked here, never
# committed). Needs jp2a, chafa and ImageMagick from Debian, and a build.
#   bench/quality/run.sh            self-check, quality table, timing
#   COLUMNS_LIST="80" bench/quality/run.sh quality
set -euo pipefail
cd "$(dirname "$0")/../.."
glifora=${GLIFORA:-build/src/app/glifora}
quality=${GLIFORA_QUALITY:-build/bench/quality/glifora_quality}
cache=${PHOTO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glifora-photos}
what=${1:-all}
font=(--font "DejaVu Sans Mono" --font-size 8)
photos=(astronaut.png brick.png camera.png chelsea.png coffee.png coins.png grass.png gravel.png
        hubble_deep_field.jpg moon.png motorcycle_left.png retina.jpg rocket.jpg)

fetch_photos() {
  local data="$cache/x/usr/lib/python3/dist-packages/skimage/data"
  if [ ! -f "$data/rocket.jpg" ]; then
    mkdir -p "$cache"
    (cd "$cache" && apt-get download python3-skimage >/dev/null && dpkg -x python3-skimage_*.deb x)
  fi
  PHOTO_DIR=$data
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

quality_table() {
  fetch_photos
  echo "== measure self-check (structure: unrelated text ~0, perfect rendering ~1)"
  "$quality" "${font[@]}" selfcheck "$PHOTO_DIR/camera.png" "$PHOTO_DIR/chelsea.png" 2>/dev/null
  echo
  printf '%-16s %7s %8s %10s\n' program columns tone structure
  for columns in ${COLUMNS_LIST:-80 160}; do
    declare -A tone=() structure=()
    for photo in "${photos[@]}"; do
      local p="$PHOTO_DIR/$photo"
      "$glifora" ascii "$p" --columns "$columns" --palette 1 "${font[@]}" >"$work/tonal.txt"
      local rows
      rows=$(wc -l <"$work/tonal.txt")
      "$glifora" ascii "$p" --columns "$columns" --palette 1 "${font[@]}" --shape >"$work/detail.txt"
      jp2a --size="${columns}x${rows}" --background=light "$p" >"$work/jp2a.txt"
      chafa --symbols ascii -c none --invert --stretch --size "${columns}x${rows}" "$p" >"$work/chafa.txt"
      for prog in tonal detail jp2a chafa; do
        read -r t s < <("$quality" "${font[@]}" score "$p" "$work/$prog.txt" 2>/dev/null)
        [ -n "${VERBOSE:-}" ] && printf '  %-22s %-7s %4d %7.2f %7.3f\n' "$photo" "$prog" "$columns" "$t" "$s"
        tone[$prog]=$(awk -v a="${tone[$prog]:-0}" -v b="$t" 'BEGIN{print a+b}')
        structure[$prog]=$(awk -v a="${structure[$prog]:-0}" -v b="$s" 'BEGIN{print a+b}')
      done
    done
    for prog in tonal detail jp2a chafa; do
      local name=$prog
      [ "$prog" = tonal ] && name="glifora"
      [ "$prog" = detail ] && name="glifora --shape"
      awk -v n="${#photos[@]}" -v p="$name" -v c="$columns" -v t="${tone[$prog]}" \
        -v s="${structure[$prog]}" 'BEGIN{printf "%-16s %7d %8.2f %10.3f\n", p, c, t/n, s/n}'
    done
    unset tone structure
  done
}

runs=${RUNS:-7}
source bench/timing.sh

timing() {
  fetch_photos
  local photo="$work/photo.jpg"
  convert "$PHOTO_DIR/coffee.png" -resize '4000x3000!' -quality 90 "$photo"
  echo "== 4000 x 3000 JPEG at 160 columns (best of ${RUNS:-7}; ratio = time / jp2a's)"
  local j
  j=$(best jp2a --width=160 "$photo")
  printf '%-34s %6d ms\n' "jp2a --width=160" "$j"
  for args in "--shape" ""; do
    local g
    # shellcheck disable=SC2086
    g=$(best "$glifora" ascii "$photo" --columns 160 --palette 1 "${font[@]}" $args)
    printf '%-34s %6d ms   ratio %s\n' "glifora ascii ${args:-(tonal)}" "$g" \
      "$(awk -v a="$g" -v b="$j" 'BEGIN{printf "%.2f", (b>0?a/b:0)}')"
  done
}

case "$what" in
  quality) quality_table ;;
  timing) timing ;;
  all) quality_table; echo; timing ;;
  *) echo "usage: $0 [all|quality|timing]" >&2; exit 2 ;;
esac
