#include "platform/picture_decoder.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/bmp_file.h"
#include "platform/file_io.h"
#include "platform/gif_layout.h"
#include "platform/jpeg_reader.h"
#include "platform/qt_raster.h"
#include "platform/shrink.h"
#include "platform/wmf_player.h"

#if defined(__SANITIZE_ADDRESS__)
#define GLIFORA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLIFORA_SANITIZED 1
#endif
#endif
#ifdef GLIFORA_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace glifora {
namespace {

// Larger files than this cannot hold a picture the decoder would accept.
constexpr uint64_t kFileByteLimit = kDecodeByteLimit;

PictureLoad Fail(std::string why) {
    PictureLoad r;
    r.error = std::move(why);
    return r;
}

PictureLoad DecodeJpeg(const std::string& bytes) {
    JpegReader reader;
    if (!reader.OpenMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))
        return Fail(reader.Error());
    PictureLoad out;
    out.raster = Raster::Uninitialized(reader.Width(), reader.Height());
    for (int y = 0; y < reader.Height(); ++y)
        if (!reader.ReadRow(out.raster.Row(y))) return Fail(reader.Error());
    return out;
}

bool LooksLikeGif(const std::string& b) {
    return b.size() >= 6 && (b.compare(0, 6, "GIF87a") == 0 || b.compare(0, 6, "GIF89a") == 0);
}

// libpng reports a broken file by printing to stderr itself, before Qt turns
// the failure into a null image. The failure reaches the caller as a value
// (the command line prints it as its one line), so while Qt's readers run,
// stderr points at /dev/null.
class QuietStderr {
  public:
    QuietStderr() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
        if (null >= 0) close(null);
    }
    ~QuietStderr() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

  private:
    int saved_ = -1;
};

// A 32-bit bitmap whose alpha is zero everywhere is a picture whose writer
// left the fourth byte unused, not an invisible one: Windows ignores bitmap
// alpha, and browsers read an all-zero channel as no alpha. Any other alpha
// is kept, so partly transparent bitmaps are composed over white as a
// browser shows them on a white page.
QImage WithoutUnusedAlpha(QImage image) {
    // Qt's bitmap reader gives straight (not premultiplied) alpha, so the
    // colours are still there.
    if (image.format() != QImage::Format_ARGB32) return image;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0) return image;
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) row[x] |= 0xFF000000u;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

bool IsOfferedFormat(const QByteArray& format) {
    return format == "bmp" || format == "gif" || format == "ico" || format == "cur" ||
           format == "png";
}

PictureLoad DecodeWithQt(const std::string& bytes) {
    if (BmpIsCutShort(bytes)) return Fail("imagen BMP incompleta");
    const QuietStderr quiet;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // Only the formats the program offers are read: Qt also recognises text
    // formats (XPM, PNM) and plugin formats with weak signatures (TGA, WBMP)
    // that would turn arbitrary files into pictures.
    if (!reader.canRead()) return Fail("formato de imagen no reconocido");
    const QByteArray format = reader.format();  // the reader forgets it once read
    if (!IsOfferedFormat(format)) return Fail("formato de imagen no reconocido");
    const QSize size = reader.size();
    if (size.isValid() &&
        static_cast<uint64_t>(size.width()) * static_cast<uint64_t>(size.height()) * 4 >
            kDecodeByteLimit)
        return Fail("imagen demasiado grande");
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (reader.error() == QImageReader::InvalidDataError && size.isValid() &&
            static_cast<uint64_t>(size.width()) * static_cast<uint64_t>(size.height()) * 4 >
                kDecodeByteLimit)
            return Fail("imagen demasiado grande");
        return Fail("imagen dañada o incompleta");
    }
    if (LooksLikeGif(bytes) && !GifHasCompleteFirstImage(bytes))
        return Fail("imagen GIF incompleta");
    if (format == "bmp") image = WithoutUnusedAlpha(std::move(image));
    PictureLoad out;
    out.raster = RasterFromImage(image);
    return out;
}

}  // namespace

void InitPictureDecoding() {
#ifdef GLIFORA_SANITIZED
    // Sanitizer reports keep the real stderr even while QuietStderr is active.
    static const int reportFd = dup(STDERR_FILENO);
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(reportFd)));
#endif
    QImageReader::setAllocationLimit(1024);
}

PictureLoad DecodePictureData(const std::string& bytes) {
    if (bytes.empty()) return Fail("el archivo está vacío");
    if (LooksLikeWmf(bytes)) return PlayWmf(bytes);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (JpegReader::LooksLikeJpeg(data, bytes.size())) return DecodeJpeg(bytes);
    if (auto plain = ReadPlainBmp(bytes)) {
        PictureLoad out;
        out.raster = std::move(*plain);
        return out;
    }
    return DecodeWithQt(bytes);
}

PictureLoad DecodePicture(const std::string& path) {
    if (auto direct = DecodePictureDirectly(path)) return std::move(*direct);
    std::string why;
    auto bytes = ReadWholeFile(path, kFileByteLimit, &why);
    if (!bytes) return Fail(why);
    return DecodePictureData(*bytes);
}

PictureLoad DecodePictureShrunk(const std::string& path,
                                const std::function<ShrinkTarget(int, int)>& target,
                                int* sourceWidth, int* sourceHeight) {
    auto report = [&](int w, int h) {
        if (sourceWidth) *sourceWidth = w;
        if (sourceHeight) *sourceHeight = h;
    };
    // Only the first bytes decide whether the row-sampling path applies.
    if (FileLooksLikeJpeg(path)) {
        JpegReader reader;
        if (!reader.OpenFile(path)) return Fail(reader.Error());
        const int W = reader.Width(), H = reader.Height();
        report(W, H);
        const ShrinkTarget t = target(W, H);
        if (t.TooLarge()) return Fail("la imagen reducida sería demasiado grande");
        PictureLoad out;
        if (t.width <= 0 || t.height <= 0) return out;
        out.raster = Raster::Uninitialized(t.width, t.height);
        std::vector<int> xs(static_cast<size_t>(t.width));
        for (int dx = 0; dx < t.width; ++dx) xs[dx] = ShrinkSourceIndex(dx, t.width, W);
        std::vector<uint8_t> row(static_cast<size_t>(W) * 4);
        int current = -1;  // source row held in `row`
        for (int dy = 0; dy < t.height; ++dy) {
            const int sy = ShrinkSourceIndex(dy, t.height, H);
            if (sy != current) {
                if (!reader.SkipRows(sy - reader.NextRow()) || !reader.ReadRow(row.data()))
                    return Fail(reader.Error());
                current = sy;
            }
            uint8_t* drow = out.raster.Row(dy);
            for (int dx = 0; dx < t.width; ++dx)
                std::memcpy(drow + dx * 4, row.data() + static_cast<size_t>(xs[dx]) * 4, 4);
        }
        // A file cut short below the last sampled row is still a broken file.
        if (!reader.SkipRows(H - reader.NextRow())) return Fail(reader.Error());
        return out;
    }
    PictureLoad full = DecodePicture(path);
    if (!full.Ok()) return full;
    report(full.raster.Width(), full.raster.Height());
    const ShrinkTarget t = target(full.raster.Width(), full.raster.Height());
    if (t.TooLarge()) return Fail("la imagen reducida sería demasiado grande");
    PictureLoad out;
    out.raster = ShrinkNearest(full.raster, t.width, t.height);
    return out;
}

}  // namespace glifora
