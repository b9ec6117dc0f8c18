// Every filter of the catalogue on a 4000 x 3000 picture held in memory,
// beside two baselines measured in the same run: a memcpy of the picture and
// a byte table look-up over it. The buffers are allocated and touched once;
// the working copy is restored outside the timed part of each iteration.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_photo.h"
#include "filters/effect_catalogue.h"
#include "filters/filter_pixels.h"
#include "filters/throttled_progress.h"
#include "platform/random.h"
#include "platform/raster.h"

namespace glifora {
namespace {

using bench::kH;
using bench::kW;
using bench::Photo;

void BM_Memcpy(benchmark::State& state) {
    const Raster& photo = Photo();
    Raster copy = photo;
    for (auto _ : state) {
        std::memcpy(copy.Bytes(), photo.Bytes(), photo.ByteCount());
        benchmark::DoNotOptimize(copy.Bytes());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kW} * kH);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_TableLookup(benchmark::State& state) {
    Raster copy = Photo();
    uint8_t lut[256];
    for (int i = 0; i < 256; ++i) lut[i] = static_cast<uint8_t>(255 - i);
    for (auto _ : state) {
        uint8_t* b = copy.Bytes();
        const size_t n = copy.ByteCount();
        for (size_t i = 0; i < n; ++i) b[i] = lut[b[i]];
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kW} * kH);
}
BENCHMARK(BM_TableLookup)->Unit(benchmark::kMillisecond);

// One filter as the engine runs it: WorkPixels, and SourcePixels where the
// filter reads neighbours of S. `withProgress` adds the window's throttled
// progress (value after every row, yields at most every 10 ms).
void RunFilter(benchmark::State& state, bool withProgress) {
    const Effect& effect = *FindEffect(static_cast<int>(state.range(0)));
    const Raster& photo = Photo();
    Raster work = photo;
    const Raster source = photo;
    FilterPixels px{work.Bytes(), effect.needsSourceCopy ? source.Bytes() : work.Bytes(), kW, kH};
    NullProgress none;
    int sink = 0;
    ThrottledProgress throttled([&sink](int v) { sink += v; }, [&sink] { ++sink; });
    FilterProgress& progress = withProgress ? static_cast<FilterProgress&>(throttled) : none;
    SeedRandom(1);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.Bytes(), photo.Bytes(), photo.ByteCount());
        state.ResumeTiming();
        effect.filter(px, effect.DefaultParameter(), progress);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(sink);
    state.SetLabel(std::string(effect.name));
    state.SetItemsProcessed(state.iterations() * int64_t{kW} * kH);
}

void BM_Filter(benchmark::State& state) {
    RunFilter(state, false);
}
void BM_FilterWithProgress(benchmark::State& state) {
    RunFilter(state, true);
}

void AllCodes(benchmark::internal::Benchmark* b) {
    for (const Effect& e : EffectCatalogue())
        if (e.filter) b->Arg(e.code);
}
BENCHMARK(BM_Filter)->Apply(AllCodes)->Unit(benchmark::kMillisecond)->MinTime(0.3);
// The progress report's cost on the fastest per-pixel filters.
BENCHMARK(BM_FilterWithProgress)
    ->Arg(2)
    ->Arg(12)
    ->Arg(14)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3);

}  // namespace
}  // namespace glifora

BENCHMARK_MAIN();
