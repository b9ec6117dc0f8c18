# Shared by the peer-comparison scripts: source it after setting `runs`.

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
