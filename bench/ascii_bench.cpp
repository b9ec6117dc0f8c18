// Text art from a 4000 x 3000 picture at 200 columns: the conversion alone
// (picture in memory), and the JPEG paths (whole decode then shrink, and the
// row-sampling decode the command line uses).
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstring>

#include "platform/picture_decoder.h"
#include "platform/qt_raster.h"
#include "platform/shrink.h"
#include "textart/text_conversion.h"

namespace glifora {
namespace {

constexpr int kW = 4000, kH = 3000, kColumns = 200, kCellW = 5, kCellH = 9;

Raster Photo() {
    Raster r = Raster::Uninitialized(kW, kH);
    for (int y = 0; y < kH; ++y) {
        uint8_t* p = r.Row(y);
        for (int x = 0; x < kW; ++x, p += 4) {
            p[0] = static_cast<uint8_t>((x * 7 + y * 3) >> 4);
            p[1] = static_cast<uint8_t>((x ^ y) >> 3);
            p[2] = static_cast<uint8_t>((x * y) >> 12);
            p[3] = 255;
        }
    }
    return r;
}

std::array<int32_t, 256> Map() {
    std::array<int32_t, 256> m{};
    const char* ramp = "@%#*+=-:. ";
    for (int l = 0; l < 256; ++l) m[l] = ramp[l * 10 / 256];
    return m;
}

const std::string& JpegPath() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string p = dir.filePath("photo.jpg").toStdString();
        QImageWriter writer(QString::fromStdString(p), "JPG");
        writer.setQuality(90);
        writer.write(ImageFromRaster(Photo()));
        return p;
    }();
    return path;
}

void BM_ConvertInMemory(benchmark::State& state) {
    const Raster photo = Photo();
    const auto map = Map();
    TextArtInputs in;
    in.columns = kColumns;
    in.cellWidth = kCellW;
    in.cellHeight = kCellH;
    in.levelMap = &map;
    const int rows = ComputeRowCount(kW, kH, kColumns, kCellW, kCellH);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ConvertResized(ShrinkNearest(photo, kColumns, rows), in, Algorithm::Tonal));
    state.counters["Mpx/s"] = benchmark::Counter(
        static_cast<double>(kW) * kH * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ConvertInMemory)->Unit(benchmark::kMillisecond);

void BM_JpegWholeThenShrink(benchmark::State& state) {
    const std::string& path = JpegPath();
    const int rows = ComputeRowCount(kW, kH, kColumns, kCellW, kCellH);
    for (auto _ : state) {
        PictureLoad load = DecodePicture(path);
        benchmark::DoNotOptimize(ShrinkNearest(load.raster, kColumns, rows));
    }
}
BENCHMARK(BM_JpegWholeThenShrink)->Unit(benchmark::kMillisecond);

void BM_JpegRowSampling(benchmark::State& state) {
    const std::string& path = JpegPath();
    for (auto _ : state) {
        PictureLoad load = DecodePictureShrunk(path, [](int w, int h) {
            return ShrinkTarget{kColumns, ComputeRowCount(w, h, kColumns, kCellW, kCellH)};
        });
        benchmark::DoNotOptimize(load.raster);
    }
}
BENCHMARK(BM_JpegRowSampling)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glifora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
