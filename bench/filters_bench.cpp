// Every filter of the catalogue on a 4000 x 3000 picture held in memory, on
// one thread and on two (--benchmark_filter=/CODE/THREADS picks one),
// beside two baselines measured in the same run: a memcpy of the picture and
// a byte table look-up over it. The buffers are allocated and touched once;
// the working copy is restored outside the timed part of each iteration.
#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
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

// CPU time of the whole process (every thread), in milliseconds. On a machine
// shared with other work the wall time of a threaded run says little; the
// CPU time of all threads says how much work the threads added.
double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

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

// One filter as the engine runs it, on WorkPixels, with the code in range(0)
// and the thread count in range(1). `withProgress` adds the window's
// throttled progress (value after every row, yields at most every 10 ms).
void RunFilter(benchmark::State& state, bool withProgress) {
    const Effect& effect = *FindEffect(static_cast<int>(state.range(0)));
    const Raster& photo = Photo();
    Raster work = photo;
    FilterPixels px{work.Bytes(), kW, kH, static_cast<int>(state.range(1))};
    NullProgress none;
    int sink = 0;
    ThrottledProgress throttled([&sink](int v) { sink += v; }, [&sink] { ++sink; });
    FilterProgress& progress = withProgress ? static_cast<FilterProgress&>(throttled) : none;
    SeedRandom(1);
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.Bytes(), photo.Bytes(), photo.ByteCount());
        const double before = ProcessCpuMs();
        state.ResumeTiming();
        effect.filter(px, effect.DefaultParameter(), progress);
        benchmark::ClobberMemory();
        state.PauseTiming();
        cpu += ProcessCpuMs() - before;
        state.ResumeTiming();
    }
    state.counters["cpu_ms_all_threads"] = cpu / static_cast<double>(state.iterations());
    benchmark::DoNotOptimize(sink);
    state.SetLabel(std::string(effect.name) + ", " + std::to_string(px.threads) + " threads");
    state.SetItemsProcessed(state.iterations() * int64_t{kW} * kH);
}

void BM_Filter(benchmark::State& state) {
    RunFilter(state, false);
}
void BM_FilterWithProgress(benchmark::State& state) {
    RunFilter(state, true);
}

// Every filter on one thread and on two, side by side.
void AllCodes(benchmark::internal::Benchmark* b) {
    for (const Effect& e : EffectCatalogue())
        if (e.filter)
            for (int threads : {1, 2}) b->Args({e.code, threads});
}
BENCHMARK(BM_Filter)->Apply(AllCodes)->Unit(benchmark::kMillisecond)->MinTime(0.3)->UseRealTime();
// The progress report's cost on the fastest per-pixel filters.
BENCHMARK(BM_FilterWithProgress)
    ->Args({2, 1})
    ->Args({12, 1})
    ->Args({14, 1})
    ->Args({2, 2})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3)
    ->UseRealTime();

}  // namespace
}  // namespace glifora

BENCHMARK_MAIN();
