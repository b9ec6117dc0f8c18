// Reading and writing a 4000 x 3000 24-bit bitmap: the direct reader and
// writer beside Qt's reader and writer on the same bytes, all in memory, so
// the figures are the decoders' own and not the disk's.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <string>

#include "bench_photo.h"
#include "platform/bmp_file.h"
#include "platform/qt_raster.h"
#include "platform/raster.h"

namespace glifora {
namespace {

using bench::kH;
using bench::kW;
using bench::Photo;

const std::string& PhotoBmp() {
    static const std::string bytes = [] {
        std::string out;
        (void)WritePlainBmp(Photo(), [&](std::string_view piece) {
            out.append(piece);
            return true;
        });
        return out;
    }();
    return bytes;
}

void Pixels(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * int64_t{kW} * kH);
}

void BM_ReadPlainBmp(benchmark::State& state) {
    const std::string& bmp = PhotoBmp();
    for (auto _ : state) benchmark::DoNotOptimize(ReadPlainBmp(bmp));
    Pixels(state);
}
BENCHMARK(BM_ReadPlainBmp)->Unit(benchmark::kMillisecond);

void BM_ReadBmpWithQt(benchmark::State& state) {
    const std::string& bmp = PhotoBmp();
    const QByteArray data = QByteArray::fromRawData(bmp.data(), static_cast<qsizetype>(bmp.size()));
    for (auto _ : state) benchmark::DoNotOptimize(RasterFromImage(QImage::fromData(data, "BMP")));
    Pixels(state);
}
BENCHMARK(BM_ReadBmpWithQt)->Unit(benchmark::kMillisecond);

void BM_WritePlainBmp(benchmark::State& state) {
    size_t written = 0;
    for (auto _ : state) {
        (void)WritePlainBmp(Photo(), [&](std::string_view piece) {
            written += piece.size();
            return true;
        });
    }
    benchmark::DoNotOptimize(written);
    Pixels(state);
}
BENCHMARK(BM_WritePlainBmp)->Unit(benchmark::kMillisecond);

void BM_WriteBmpWithQt(benchmark::State& state) {
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "BMP");
        benchmark::DoNotOptimize(writer.write(ImageView(Photo())));
    }
    Pixels(state);
}
BENCHMARK(BM_WriteBmpWithQt)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glifora

BENCHMARK_MAIN();
