#include "platform/qt_raster.h"

#include <QPainter>
#include <cstring>

namespace glifora {

Raster RasterFromImage(const QImage& image) {
    if (image.isNull()) return {};
    QImage rgb;
    if (image.hasAlphaChannel()) {
        rgb = QImage(image.size(), QImage::Format_RGB32);
        rgb.fill(Qt::white);
        QPainter p(&rgb);
        p.drawImage(0, 0, image);
    } else {
        rgb = image.convertToFormat(QImage::Format_RGB32);
    }
    const int width = rgb.width();
    Raster out = Raster::Uninitialized(width, rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const uint8_t* src = rgb.constScanLine(y);
        uint8_t* dst = out.Row(y);
        std::memcpy(dst, src, out.Stride());
        for (int x = 0; x < width; ++x) dst[x * 4 + 3] = 0xFF;
    }
    return out;
}

QImage ImageFromRaster(const Raster& raster) {
    if (raster.Empty()) return {};
    return ImageView(raster).copy();
}

QImage ImageView(Raster& raster) {
    if (raster.Empty()) return {};
    return QImage(raster.Bytes(), raster.Width(), raster.Height(),
                  static_cast<qsizetype>(raster.Stride()), QImage::Format_RGB32);
}

QImage ImageView(const Raster& raster) {
    if (raster.Empty()) return {};
    return QImage(raster.Bytes(), raster.Width(), raster.Height(),
                  static_cast<qsizetype>(raster.Stride()), QImage::Format_RGB32);
}

}  // namespace glifora
