// Loading an 8000 x 8000 JPEG the way the window does (decode, then the
// working picture takes it), beside Qt's own JPEG reader on the same file.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <string>
#include <utility>

#include "app/working_picture.h"
#include "platform/picture_decoder.h"

namespace glifora {
namespace {

constexpr int kSide = 8000;

const std::string& BigJpeg() {
    static const std::string path = [] {
        const std::string p = QDir::tempPath().toStdString() + "/glifora_bench_8000.jpg";
        QImage image(kSide, kSide, QImage::Format_RGB32);
        for (int y = 0; y < kSide; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < kSide; ++x)
                row[x] = qRgb((x * 7 + y) & 255, (x ^ y) & 255, (x * y / 97) & 255);
        }
        image.save(QString::fromStdString(p), "JPG", 85);
        return p;
    }();
    return path;
}

void BM_WindowLoad(benchmark::State& state) {
    const std::string& path = BigJpeg();
    for (auto _ : state) {
        WorkingPicture picture;
        PictureLoad load = DecodePicture(path);
        picture.Load(std::move(load.raster));
        // Read as the window paints it: nothing is set apart.
        benchmark::DoNotOptimize(std::as_const(picture).Displayed().Bytes());
    }
}
BENCHMARK(BM_WindowLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_DecodeOnly(benchmark::State& state) {
    const std::string& path = BigJpeg();
    for (auto _ : state) {
        PictureLoad load = DecodePicture(path);
        benchmark::DoNotOptimize(load.raster.Bytes());
    }
}
BENCHMARK(BM_DecodeOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_QtImageLoad(benchmark::State& state) {
    const QString path = QString::fromStdString(BigJpeg());
    QImageReader::setAllocationLimit(1024);
    for (auto _ : state) {
        QImage image(path);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_QtImageLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace glifora

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    glifora::InitPictureDecoding();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
