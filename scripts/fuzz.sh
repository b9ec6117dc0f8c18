#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one in
# turn for SECONDS (default 60), at the lowest priority. Corpora grow in
# build-fuzz/corpus/<target>, seeded by fuzz/make_seeds.py and the saved
# findings in fuzz/regressions/<target>/; crashes land in build-fuzz/artifacts/,
# the statistics of each run in build-fuzz/logs/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_wmf_player fuzz_picture_decoder fuzz_gif_layout fuzz_gif_frames
  fuzz_profile_file fuzz_value_store)
build=build-fuzz

if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -fsanitize=fuzzer -x c++ - -o /dev/null 2>/dev/null; then
  echo "clang++ no enlaza con -fsanitize=fuzzer: instale libclang-rt-14-dev" >&2
  exit 1
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
  -DGLIFORA_FUZZ=ON -DGLIFORA_BUILD_TESTS=OFF -DGLIFORA_BUILD_BENCH=OFF >/dev/null
nice -n 19 cmake --build "$build" -j2 --target "${targets[@]}"
python3 fuzz/make_seeds.py "$build/seeds"

mkdir -p "$build/artifacts" "$build/logs"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  echo "== $t: ${seconds} s" >&2
  if ! nice -n 19 "$build/fuzz/$t" "$build/corpus/$t" "$build/seeds/$t" "fuzz/regressions/$t" \
      -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$t-" >"$build/logs/$t.log" 2>&1; then
    echo "$t: fallo encontrado, véase $build/logs/$t.log" >&2
    status=1
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/logs/$t.log" >&2 || true
done
exit $status
