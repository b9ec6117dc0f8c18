#pragma once
// A picture in memory: rows top-down, 4 bytes per pixel in the order blue,
// green, red, unused (the memory image of a 32-bit top-down bitmap). The same
// layout as QImage::Format_RGB32 on little-endian machines, so conversion is a
// plain copy.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace glifora {

// Colour value: red in bits 0-7, green in 8-15, blue in 16-23.
using ColorValue = int32_t;
inline constexpr ColorValue kInvalidColor = -1;

[[nodiscard]] constexpr ColorValue MakeColor(int r, int g, int b) {
    return static_cast<ColorValue>(r | (g << 8) | (b << 16));
}

class Raster {
  public:
    Raster() = default;
    // A w x h picture filled with `fill`. Width or height of 0 gives an empty raster.
    Raster(int width, int height, ColorValue fill = 0xFFFFFF);
    Raster(const Raster& other);
    Raster& operator=(const Raster& other);
    Raster(Raster&&) noexcept = default;
    Raster& operator=(Raster&&) noexcept = default;

    // Allocates without clearing: the caller writes every byte.
    [[nodiscard]] static Raster Uninitialized(int width, int height);

    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    [[nodiscard]] bool Empty() const { return width_ <= 0 || height_ <= 0; }
    [[nodiscard]] size_t Stride() const { return static_cast<size_t>(width_) * 4; }
    [[nodiscard]] size_t ByteCount() const { return Stride() * static_cast<size_t>(height_); }

    [[nodiscard]] uint8_t* Bytes() { return data_.get(); }
    [[nodiscard]] const uint8_t* Bytes() const { return data_.get(); }
    [[nodiscard]] uint8_t* Row(int y) { return data_.get() + Stride() * static_cast<size_t>(y); }
    [[nodiscard]] const uint8_t* Row(int y) const {
        return data_.get() + Stride() * static_cast<size_t>(y);
    }

    [[nodiscard]] bool Inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    // The colour value at (x, y), or -1 outside the picture.
    [[nodiscard]] ColorValue Pixel(int x, int y) const {
        if (!Inside(x, y)) return kInvalidColor;
        const uint8_t* p = Row(y) + static_cast<size_t>(x) * 4;
        return MakeColor(p[2], p[1], p[0]);
    }
    // Writes (x, y); outside the picture nothing happens.
    void SetPixel(int x, int y, ColorValue c) {
        if (!Inside(x, y)) return;
        uint8_t* p = Row(y) + static_cast<size_t>(x) * 4;
        p[0] = static_cast<uint8_t>((c >> 16) & 0xFF);
        p[1] = static_cast<uint8_t>((c >> 8) & 0xFF);
        p[2] = static_cast<uint8_t>(c & 0xFF);
        p[3] = 0xFF;
    }
    void Fill(ColorValue c);

    friend bool operator==(const Raster& a, const Raster& b);

  private:
    struct FreePixels {
        void operator()(uint8_t* p) const;
    };
    // Fresh pixel memory of `bytes` bytes, not cleared.
    [[nodiscard]] static std::unique_ptr<uint8_t[], FreePixels> AllocatePixels(size_t bytes);

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<uint8_t[], FreePixels> data_;
};

}  // namespace glifora
