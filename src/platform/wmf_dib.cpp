#include "platform/wmf_dib.h"

#include <bit>
#include <vector>

namespace glifora {
namespace {

uint32_t Le16(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}

uint32_t Le32(std::string_view b, size_t at) {
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

// One channel of a bit-field pixel scaled to 0..255.
struct Field {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t max = 0;

    explicit Field(uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        const int width = std::bit_width(mask >> shift);
        max = (uint64_t{1} << width) - 1;
    }
    [[nodiscard]] uint32_t Get(uint32_t px) const {
        if (max == 0) return 0;
        return static_cast<uint32_t>((static_cast<uint64_t>((px & mask) >> shift) * 255) / max);
    }
};

}  // namespace

DibPicture DecodeDib(std::string_view dib, int colorUsage, uint64_t byteLimit) {
    DibPicture out;
    if (dib.size() < 12) return out;
    const uint32_t headerSize = Le32(dib, 0);
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0, used = 0;
    bool core = false;
    if (headerSize == 12) {
        core = true;
        width = Le16(dib, 4);
        height = Le16(dib, 6);
        bits = Le16(dib, 10);
    } else if (headerSize >= 40 && headerSize <= dib.size()) {
        width = static_cast<int32_t>(Le32(dib, 4));
        height = static_cast<int32_t>(Le32(dib, 8));
        bits = Le16(dib, 14);
        compression = Le32(dib, 16);
        used = Le32(dib, 32);
    } else {
        return out;
    }
    const bool bottomUp = height > 0;
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0) return out;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 > byteLimit) return out;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return out;
    const bool fields = compression == 3 && (bits == 16 || bits == 32);
    if (compression != 0 && !fields) return out;

    size_t pos = headerSize;
    uint32_t masks[3] = {0, 0, 0};
    if (fields) {
        if (headerSize >= 52) {  // V4 and V5 headers carry the masks inside
            for (int i = 0; i < 3; ++i) masks[i] = Le32(dib, 40 + 4 * static_cast<size_t>(i));
        } else {
            if (dib.size() < pos + 12) return out;
            for (int i = 0; i < 3; ++i) masks[i] = Le32(dib, pos + 4 * static_cast<size_t>(i));
            pos += 12;
        }
    } else if (bits == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (bits == 32) {
        masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    }

    // Colour table: palette pictures only; its length is bounded by the bit count.
    std::vector<QRgb> table;
    if (bits <= 8) {
        const uint32_t full = 1u << bits;
        const uint32_t count = used == 0 || used > full ? full : used;
        const size_t entry = colorUsage == 1 ? 2 : (core ? 3 : 4);
        if (dib.size() < pos + entry * count) return out;
        table.resize(full, qRgb(0, 0, 0));
        for (uint32_t i = 0; i < count; ++i) {
            const size_t at = pos + entry * i;
            if (colorUsage == 1) {
                const int grey = static_cast<int>(Le16(dib, at) & 0xFF);
                table[i] = qRgb(grey, grey, grey);
            } else {
                table[i] = qRgb(static_cast<uint8_t>(dib[at + 2]),
                                static_cast<uint8_t>(dib[at + 1]), static_cast<uint8_t>(dib[at]));
            }
        }
        pos += entry * count;
    }

    const uint64_t stride = ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4;
    if (pos > dib.size() || stride * static_cast<uint64_t>(height) > dib.size() - pos) return out;

    out.image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (out.image.isNull()) return out;
    out.bottomUp = bottomUp;
    const Field red(masks[0]), green(masks[1]), blue(masks[2]);
    for (int64_t row = 0; row < height; ++row) {
        const auto* src = reinterpret_cast<const uint8_t*>(dib.data() + pos + stride * row);
        auto* dst = reinterpret_cast<QRgb*>(
            out.image.scanLine(static_cast<int>(bottomUp ? height - 1 - row : row)));
        for (int64_t x = 0; x < width; ++x) {
            switch (bits) {
                case 1:
                    dst[x] = table[(src[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    dst[x] = table[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
                    break;
                case 8:
                    dst[x] = table[src[x]];
                    break;
                case 24:
                    dst[x] = qRgb(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]);
                    break;
                case 16:
                case 32: {
                    const uint32_t px =
                        bits == 16 ? src[x * 2] | src[x * 2 + 1] << 8
                                   : src[x * 4] | src[x * 4 + 1] << 8 | src[x * 4 + 2] << 16 |
                                         static_cast<uint32_t>(src[x * 4 + 3]) << 24;
                    dst[x] = qRgb(static_cast<int>(red.Get(px)), static_cast<int>(green.Get(px)),
                                  static_cast<int>(blue.Get(px)));
                    break;
                }
            }
        }
    }
    return out;
}

}  // namespace glifora
