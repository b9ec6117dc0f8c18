#!/usr/bin/env bash
# Times `glifora ascii photo.jpg --columns 200` beside jp2a, chafa and djpeg on
# the same 4000 x 3000 JPEG and prints each ratio (peer time / glifora time).
# Needs Debian's imagemagick, jp2a, chafa and libjpeg-turbo-progs.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}
source bench/timing.sh
photo="$work/photo.jpg"
noisy_photo "$photo"

g=$(best "$glifora" ascii "$photo" --columns 200)
printf '%-40s %6d ms\n' "glifora ascii --columns 200" "$g"
for peer in "jp2a --width=200" "chafa -f symbols --symbols ascii -c none -s 200" "djpeg"; do
  read -ra cmd <<<"$peer"
  if ! command -v "${cmd[0]}" >/dev/null; then
    echo "$peer: not installed (a failing command would time as fast)"
    continue
  fi
  t=$(best "${cmd[@]}" "$photo")
  printf '%-40s %6d ms   ratio %s\n' "$peer" "$t" "$(awk -v a="$t" -v b="$g" 'BEGIN{printf "%.2f", (b>0?a/b:0)}')"
done
