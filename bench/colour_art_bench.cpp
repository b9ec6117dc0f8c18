// Coloured text art: rendering a 200 x 100 text art as a picture (target
// under 100 ms), the escape output of its colours, and the cell means of a
// 4000 x 3000 picture at 200 columns.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <random>

#include "bench_photo.h"
#include "platform/text_metrics.h"
#include "textart/ansi_color_writer.h"
#include "textart/art_picture.h"
#include "textart/cell_colors.h"

namespace glifora {
namespace {

constexpr int kColumns = 200, kRows = 100;

// 200 x 100 characters of the classic palette, rows joined by CR LF.
std::string Text() {
    std::mt19937 gen(3);
    std::string text;
    for (int r = 0; r < kRows; ++r) {
        if (r) text += "\r\n";
        for (int c = 0; c < kColumns; ++c) text.push_back(static_cast<char>(32 + gen() % 95));
    }
    return text;
}

CellColors Colors() {
    std::mt19937 gen(4);
    CellColors colors{kColumns, kRows, {}};
    for (int i = 0; i < kColumns * kRows; ++i)
        colors.values.push_back(static_cast<ColorValue>(gen() & 0xFFFFFF));
    return colors;
}

void BM_RenderArtPicture(benchmark::State& state) {
    const std::string text = Text();
    const QFont font = MakeTextArtFont("DejaVu Sans Mono", static_cast<int>(state.range(0)));
    const CellColors colors = Colors();
    for (auto _ : state) {
        ArtPicture art = RenderArtPicture(text, font, {}, state.range(1) ? &colors : nullptr);
        benchmark::DoNotOptimize(art.picture.Bytes());
    }
}
// Font sizes 6 (the default) and 12, plain and per-cell colour.
BENCHMARK(BM_RenderArtPicture)
    ->Args({6, 0})
    ->Args({6, 1})
    ->Args({12, 1})
    ->Unit(benchmark::kMillisecond);

void BM_EscapeOutput(benchmark::State& state) {
    std::string text = Text();
    std::erase(text, '\r');
    const CellColors colors = Colors();
    const AnsiColorOptions options{state.range(0) ? ColorDepth::TrueColor : ColorDepth::Palette256,
                                   std::nullopt};
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = ColorTerminalText(text, colors, options);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes_per_cell"] = static_cast<double>(bytes) / (kColumns * kRows);
}
// Random colours: every cell changes colour, the worst case.
BENCHMARK(BM_EscapeOutput)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_CellMeans(benchmark::State& state) {
    const Raster& photo = bench::Photo();
    for (auto _ : state) benchmark::DoNotOptimize(MeanCellColors(photo, 200, 88).values.data());
}
BENCHMARK(BM_CellMeans)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glifora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
