#include "textart/shrunk_color_decode.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/jpeg_reader.h"
#include "platform/picture_decoder.h"
#include "platform/shrink.h"

namespace glifora {
namespace {

ShrunkColorLoad Failed(std::string why) {
    ShrunkColorLoad out;
    out.shrunk.error = std::move(why);
    return out;
}

ShrunkColorLoad DecodeJpegInOnePass(const std::string& path,
                                    const std::function<ShrinkTarget(int, int)>& target) {
    JpegReader reader;
    if (!reader.OpenFile(path)) return Failed(reader.Error());
    const int W = reader.Width(), H = reader.Height();
    const ShrinkTarget t = target(W, H);
    if (t.TooLarge()) return Failed("la imagen reducida sería demasiado grande");
    ShrunkColorLoad out;
    if (t.width <= 0 || t.height <= 0) return out;
    out.shrunk.raster = Raster::Uninitialized(t.width, t.height);
    std::vector<int> xs(static_cast<size_t>(t.width));
    for (int dx = 0; dx < t.width; ++dx) xs[dx] = ShrinkSourceIndex(dx, t.width, W);
    CellColorAccumulator sums(W, H, t.width, t.height);
    std::vector<uint8_t> row(static_cast<size_t>(W) * 4);
    int dy = 0;  // the next shrunk row to fill
    for (int y = 0; y < H; ++y) {
        if (!reader.ReadRow(row.data())) return Failed(reader.Error());
        sums.AddRow(y, row.data());
        // Several shrunk rows share a source row when the picture is enlarged.
        for (; dy < t.height && ShrinkSourceIndex(dy, t.height, H) == y; ++dy) {
            uint8_t* drow = out.shrunk.raster.Row(dy);
            for (int dx = 0; dx < t.width; ++dx)
                std::memcpy(drow + dx * 4, row.data() + static_cast<size_t>(xs[dx]) * 4, 4);
        }
    }
    out.colors = sums.Means();
    return out;
}

}  // namespace

ShrunkColorLoad DecodeShrunkWithColors(const std::string& path,
                                       const std::function<ShrinkTarget(int, int)>& target) {
    if (FileLooksLikeJpeg(path)) return DecodeJpegInOnePass(path, target);
    PictureLoad full = DecodePicture(path);
    if (!full.Ok()) return Failed(full.error);
    const ShrinkTarget t = target(full.raster.Width(), full.raster.Height());
    if (t.TooLarge()) return Failed("la imagen reducida sería demasiado grande");
    ShrunkColorLoad out;
    out.shrunk.raster = ShrinkNearest(full.raster, t.width, t.height);
    out.colors = MeanCellColors(full.raster, t.width, t.height);
    return out;
}

}  // namespace glifora
