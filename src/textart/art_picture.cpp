#include "textart/art_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <array>
#include <cstring>
#include <vector>

#include "platform/bmp_file.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "platform/qt_raster.h"
#include "platform/text_metrics.h"

namespace glifora {
namespace {

std::vector<std::string_view> SplitRows(std::string_view text) {
    std::vector<std::string_view> rows;
    size_t pos = 0;
    while (true) {
        const size_t end = text.find('\n', pos);
        std::string_view row = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        rows.push_back(row);
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    return rows;
}

// The ink of every code the text uses, as the glyph canvas draws it: one
// byte per cell pixel, 1 where the glyph left the white cell.
class GlyphMasks {
  public:
    GlyphMasks(const QFont& font) {
        canvas_.SetFont(font);
        cell_ = canvas_.PrepareCell();
    }
    [[nodiscard]] TextExtent Cell() const { return cell_; }
    const std::vector<uint8_t>& For(uint8_t code) {
        std::vector<uint8_t>& mask = masks_[code];
        if (!mask.empty()) return mask;
        canvas_.Clear();
        canvas_.DrawCode(code);
        const Raster& pixels = canvas_.Pixels();
        mask.resize(static_cast<size_t>(cell_.width) * static_cast<size_t>(cell_.height));
        for (int y = 0; y < cell_.height; ++y)
            for (int x = 0; x < cell_.width; ++x)
                mask[static_cast<size_t>(y) * cell_.width + x] = pixels.Pixel(x, y) != 0xFFFFFF;
        return mask;
    }

  private:
    QtGlyphCanvas canvas_;
    TextExtent cell_;
    std::array<std::vector<uint8_t>, 256> masks_;
};

// Each pixel of `small` as a scale x scale block.
Raster Enlarge(const Raster& small, int scale) {
    Raster out = Raster::Uninitialized(small.Width() * scale, small.Height() * scale);
    for (int y = 0; y < small.Height(); ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(small.Row(y));
        auto* dst = reinterpret_cast<uint32_t*>(out.Row(y * scale));
        for (int x = 0; x < small.Width(); ++x)
            for (int k = 0; k < scale; ++k) *dst++ = src[x];
        for (int k = 1; k < scale; ++k)
            std::memcpy(out.Row(y * scale + k), out.Row(y * scale), out.Stride());
    }
    return out;
}

}  // namespace

ArtPicture RenderArtPicture(std::string_view text, const QFont& font,
                            const ArtPictureSettings& settings, const CellColors* colors) {
    ArtPicture result;
    const std::vector<std::string_view> rows = SplitRows(text);
    size_t columns = 0;
    for (std::string_view row : rows) columns = std::max(columns, row.size());
    GlyphMasks masks(font);
    const TextExtent cell = masks.Cell();
    const int scale = settings.scale;
    if (columns == 0 || cell.width <= 0 || cell.height <= 0) {
        result.error = "el AsciiArt está vacío";
        return result;
    }
    if (scale < 1 || scale > kMaxArtPictureScale ||
        static_cast<uint64_t>(columns) * static_cast<uint64_t>(cell.width) * rows.size() *
                static_cast<uint64_t>(cell.height) * static_cast<uint64_t>(scale) *
                static_cast<uint64_t>(scale) * 4 >
            kDecodeByteLimit) {
        result.error = "la imagen sería demasiado grande";
        return result;
    }
    Raster picture(static_cast<int>(columns) * cell.width,
                   static_cast<int>(rows.size()) * cell.height, settings.background);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const auto code = static_cast<uint8_t>(rows[r][c]);
            if (code == ' ') continue;  // a blank leaves the background
            const std::vector<uint8_t>& mask = masks.For(code);
            const bool own = colors && static_cast<int>(r) < colors->rows &&
                             static_cast<int>(c) < colors->columns;
            const ColorValue ink =
                own ? colors->At(static_cast<int>(c), static_cast<int>(r)) : settings.foreground;
            const uint8_t bgrx[4] = {static_cast<uint8_t>((ink >> 16) & 0xFF),
                                     static_cast<uint8_t>((ink >> 8) & 0xFF),
                                     static_cast<uint8_t>(ink & 0xFF), 0xFF};
            for (int y = 0; y < cell.height; ++y) {
                uint8_t* out = picture.Row(static_cast<int>(r) * cell.height + y) +
                               c * static_cast<size_t>(cell.width) * 4;
                const uint8_t* inkRow = mask.data() + static_cast<size_t>(y) * cell.width;
                for (int x = 0; x < cell.width; ++x)
                    if (inkRow[x]) std::memcpy(out + x * 4, bgrx, 4);
            }
        }
    }
    result.picture = scale == 1 ? std::move(picture) : Enlarge(picture, scale);
    return result;
}

bool SaveArtPicture(const Raster& picture, PictureFileFormat format, const std::string& path,
                    std::string* why) {
    std::string reason;
    if (!why) why = &reason;
    if (format == PictureFileFormat::Png) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "PNG");
        if (!writer.write(ImageView(picture))) {
            *why = "no se puede codificar la imagen";
            return false;
        }
        return WriteFileAtomically(
            path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), why);
    }
    return SavePlainBmpFile(picture, path, why);
}

bool SaveTextArtPicture(const std::string& path, std::string_view text, const QFont& font,
                        const ArtPictureSettings& settings, const CellColors* colors,
                        std::string* why) {
    const ArtPicture art = RenderArtPicture(text, font, settings, colors);
    if (!art.Ok()) {
        if (why) *why = art.error;
        return false;
    }
    return SaveArtPicture(art.picture, PictureFormatForPath(path).value_or(PictureFileFormat::Png),
                          path, why);
}

}  // namespace glifora
