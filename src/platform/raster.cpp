#include "platform/raster.h"

#include <cstring>

namespace glifora {

Raster Raster::Uninitialized(int width, int height) {
    Raster r;
    if (width <= 0 || height <= 0) return r;
    r.width_ = width;
    r.height_ = height;
    r.data_ = std::make_unique_for_overwrite<uint8_t[]>(r.ByteCount());
    return r;
}

Raster::Raster(int width, int height, ColorValue fill) {
    *this = Uninitialized(width, height);
    Fill(fill);
}

Raster::Raster(const Raster& other) : width_(other.width_), height_(other.height_) {
    if (other.data_) {
        data_ = std::make_unique_for_overwrite<uint8_t[]>(other.ByteCount());
        std::memcpy(data_.get(), other.data_.get(), other.ByteCount());
    }
}

Raster& Raster::operator=(const Raster& other) {
    if (this != &other) {
        Raster copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void Raster::Fill(ColorValue c) {
    if (Empty()) return;
    const uint8_t px[4] = {static_cast<uint8_t>((c >> 16) & 0xFF),
                           static_cast<uint8_t>((c >> 8) & 0xFF), static_cast<uint8_t>(c & 0xFF),
                           0xFF};
    uint32_t word;
    std::memcpy(&word, px, 4);
    auto* p = reinterpret_cast<uint32_t*>(data_.get());
    const size_t n = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    for (size_t i = 0; i < n; ++i) p[i] = word;
}

bool operator==(const Raster& a, const Raster& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_) return false;
    if (a.Empty()) return true;
    return std::memcmp(a.data_.get(), b.data_.get(), a.ByteCount()) == 0;
}

}  // namespace glifora
