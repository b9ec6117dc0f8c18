# Shared by the peer-comparison scripts: source it from the source tree's top
# folder after setting `runs`. It sets `glifora` (the program, $GLIFORA or the
# build's) and `work`, a scratch folder removed on exit.

glifora=$(realpath "${GLIFORA:-build/src/app/glifora}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A 4000 x 3000 noisy plasma JPEG written to $1, the photo-like test picture.
noisy_photo() {
  convert -size 4000x3000 plasma:fractal -blur 0x1 -attenuate 0.4 +noise Gaussian -quality 90 "$1"
}

# Best of $runs wall-clock times of "$@", in milliseconds.
best() {
  local best=999999 t0 t1 ms
  for _ in $(seq "${runs:-7}"); do
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s%N)
    ms=$(((t1 - t0) / 1000000))
    ((ms < best)) && best=$ms
  done
  echo "$best"
}
