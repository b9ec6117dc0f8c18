#include "platform/bmp_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/picture_decoder.h"

namespace glifora {
namespace {

constexpr size_t kHeaderBytes = 54;  // file header (14) and info header (40)
// Rows are read and written through a buffer of about this size: large
// enough that the system calls cost nothing next to the pixels, small enough
// to add nothing to the memory a big picture needs.
constexpr uint64_t kPieceBytes = 128u << 10;

uint32_t Le32(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

uint32_t Le16(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}

void PutLe(char* out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint64_t RowBytes(int width) {
    return (static_cast<uint64_t>(width) * 3 + 3) / 4 * 4;
}

// One row of blue, green, red triples into blue, green, red, 0xFF quads. All
// but the last pixel are moved as four-byte words, the fourth byte (the next
// pixel's blue, or row padding) replaced.
void ExpandRow(const uint8_t* from, uint8_t* to, int width) {
    int x = 0;
    for (; x + 1 < width; ++x, from += 3, to += 4) {
        uint32_t v;
        std::memcpy(&v, from, 4);
        v |= 0xFF000000u;
        std::memcpy(to, &v, 4);
    }
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
    to[3] = 0xFF;
}

// The reverse, writing the last pixel's three bytes alone so that nothing is
// written past the row's own bytes.
void PackRow(const uint8_t* from, uint8_t* to, int width) {
    int x = 0;
    for (; x + 1 < width; ++x, from += 4, to += 3) std::memcpy(to, from, 4);
    std::memcpy(to, from, 3);
}

// Where the rows of a plain bitmap lie, from its first 54 bytes and the
// size of the whole file; nothing when the file is not one.
struct PlainLayout {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    uint64_t offBits = 0;
    uint64_t stride = 0;
};

std::optional<PlainLayout> ParseHeader(std::string_view b, uint64_t fileSize) {
    if (b.size() < kHeaderBytes || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const uint32_t offBits = Le32(b, 10);
    if (Le32(b, 14) != 40 || Le16(b, 26) != 1 || Le16(b, 28) != 24 || Le32(b, 30) != 0)
        return std::nullopt;
    const int64_t width = static_cast<int32_t>(Le32(b, 18));
    const int64_t signedHeight = static_cast<int32_t>(Le32(b, 22));
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || offBits < kHeaderBytes || offBits > fileSize)
        return std::nullopt;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 > kDecodeByteLimit)
        return std::nullopt;
    PlainLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.bottomUp = signedHeight > 0;
    layout.offBits = offBits;
    layout.stride = RowBytes(layout.width);
    if (static_cast<uint64_t>(height) > (fileSize - offBits) / layout.stride) return std::nullopt;
    return layout;
}

int RasterRow(const PlainLayout& layout, int fileRow) {
    return layout.bottomUp ? layout.height - 1 - fileRow : fileRow;
}

}  // namespace

// Qt's BMP reader accepts a file cut short and pads it; an uncompressed bitmap
// must hold all the rows its header declares.
bool BmpIsCutShort(std::string_view b) {
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return false;
    if (b.size() < 30) return true;
    const uint32_t offBits = Le32(b, 10);
    const uint32_t infoSize = Le32(b, 14);
    if (infoSize < 40 || b.size() < 34) return false;  // old OS/2 headers: left to Qt
    const int64_t width = static_cast<int32_t>(Le32(b, 18));
    const int64_t height = static_cast<int32_t>(Le32(b, 22));
    const uint32_t bits = Le16(b, 28);
    const uint32_t compression = Le32(b, 30);
    if (compression != 0 && compression != 3) return false;  // RLE sizes vary
    const uint64_t stride =
        ((static_cast<uint64_t>(width < 0 ? -width : width) * bits + 31) / 32) * 4;
    const uint64_t rows = static_cast<uint64_t>(height < 0 ? -height : height);
    // Compared by division: stride x rows can pass 64 bits for a hostile header.
    if (offBits > b.size()) return true;
    return stride != 0 && rows > (b.size() - offBits) / stride;
}

std::optional<Raster> ReadPlainBmp(std::string_view b) {
    const auto layout = ParseHeader(b, b.size());
    if (!layout) return std::nullopt;
    Raster out = Raster::Uninitialized(layout->width, layout->height);
    const auto* pixels = reinterpret_cast<const uint8_t*>(b.data()) + layout->offBits;
    for (int row = 0; row < layout->height; ++row)
        ExpandRow(pixels + static_cast<uint64_t>(row) * layout->stride,
                  out.Row(RasterRow(*layout, row)), layout->width);
    return out;
}

std::optional<Raster> ReadPlainBmpFile(const std::string& path) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    struct stat info {};
    if (!file || fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const auto fileSize = static_cast<uint64_t>(info.st_size);
    if (fileSize > kDecodeByteLimit) return std::nullopt;
    char header[kHeaderBytes];
    if (std::fread(header, 1, kHeaderBytes, file.get()) != kHeaderBytes) return std::nullopt;
    const auto layout = ParseHeader(std::string_view(header, kHeaderBytes), fileSize);
    if (!layout || std::fseek(file.get(), static_cast<long>(layout->offBits), SEEK_SET) != 0)
        return std::nullopt;

    // Rows come in pieces through one small buffer, so the file is never held
    // whole beside the picture.
    Raster out = Raster::Uninitialized(layout->width, layout->height);
    const uint64_t rowsPerPiece = std::max<uint64_t>(1, kPieceBytes / layout->stride);
    std::vector<uint8_t> piece(static_cast<size_t>(rowsPerPiece * layout->stride));
    for (int row = 0; row < layout->height;) {
        const int rows = static_cast<int>(std::min<uint64_t>(rowsPerPiece, layout->height - row));
        const size_t bytes = static_cast<size_t>(rows * layout->stride);
        // A file that changes while it is read goes to the general decoder.
        if (std::fread(piece.data(), 1, bytes, file.get()) != bytes) return std::nullopt;
        for (int i = 0; i < rows; ++i, ++row)
            ExpandRow(piece.data() + static_cast<uint64_t>(i) * layout->stride,
                      out.Row(RasterRow(*layout, row)), layout->width);
    }
    return out;
}

uint64_t PlainBmpSize(const Raster& picture) {
    return kHeaderBytes + RowBytes(picture.Width()) * static_cast<uint64_t>(picture.Height());
}

bool WritePlainBmp(const Raster& picture, const std::function<bool(std::string_view)>& sink) {
    const uint64_t total = PlainBmpSize(picture);
    const uint64_t stride = RowBytes(picture.Width());
    if (total > 0xFFFFFFFFu) return false;  // the header holds the size in 32 bits
    char header[kHeaderBytes] = {};
    header[0] = 'B';
    header[1] = 'M';
    PutLe(header + 2, static_cast<uint32_t>(total), 4);
    PutLe(header + 10, kHeaderBytes, 4);
    PutLe(header + 14, 40, 4);
    PutLe(header + 18, static_cast<uint32_t>(picture.Width()), 4);
    PutLe(header + 22, static_cast<uint32_t>(picture.Height()), 4);
    PutLe(header + 26, 1, 2);
    PutLe(header + 28, 24, 2);
    PutLe(header + 34, static_cast<uint32_t>(total - kHeaderBytes), 4);
    PutLe(header + 38, 3780, 4);  // 96 dots per inch
    PutLe(header + 42, 3780, 4);
    if (!sink(std::string_view(header, kHeaderBytes))) return false;
    if (picture.Empty()) return true;

    // Whole rows per piece; a row wider than a piece is a piece of its own.
    const uint64_t rowsPerPiece = std::max<uint64_t>(1, kPieceBytes / stride);
    std::string piece(static_cast<size_t>(rowsPerPiece * stride), '\0');
    int y = picture.Height() - 1;
    while (y >= 0) {
        size_t used = 0;
        for (uint64_t n = 0; n < rowsPerPiece && y >= 0; ++n, --y) {
            auto* to = reinterpret_cast<uint8_t*>(piece.data() + used);
            PackRow(picture.Row(y), to, picture.Width());
            // Padding bytes stay zero: the piece started zeroed and every row
            // writes only its own pixel bytes.
            used += static_cast<size_t>(stride);
        }
        if (!sink(std::string_view(piece.data(), used))) return false;
    }
    return true;
}

bool SavePlainBmpFile(const Raster& picture, const std::string& path, std::string* why) {
    AtomicFileWriter file(path);
    if (!WritePlainBmp(picture, [&](std::string_view piece) { return file.Append(piece); }) &&
        PlainBmpSize(picture) > 0xFFFFFFFFu) {
        if (why) *why = "la imagen es demasiado grande para un archivo BMP";
        return false;
    }
    return file.Commit(why);  // reports the first piece that failed
}

}  // namespace glifora
