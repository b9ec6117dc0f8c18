// The decoders that read a picture straight from its file, a piece at a time,
// without Qt: plain bitmaps and JPEG.

#include <sys/stat.h>

#include <cstdio>

#include "platform/bmp_file.h"
#include "platform/jpeg_reader.h"
#include "platform/picture_decoder.h"

namespace glifora {

bool FileLooksLikeJpeg(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    uint8_t head[3] = {0, 0, 0};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    const size_t got = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    return got == sizeof head && JpegReader::LooksLikeJpeg(head, sizeof head);
}

std::optional<PictureLoad> DecodePictureDirectly(const std::string& path) {
    if (auto plain = ReadPlainBmpFile(path)) {
        PictureLoad out;
        out.raster = std::move(*plain);
        return out;
    }
    // A JPEG is decoded from its file a row at a time, so its compressed bytes
    // are never held whole beside the picture (the same decoder either way).
    if (!FileLooksLikeJpeg(path)) return std::nullopt;
    PictureLoad out;
    JpegReader reader;
    if (!reader.OpenFile(path)) {
        out.error = reader.Error();
        return out;
    }
    out.raster = Raster::Uninitialized(reader.Width(), reader.Height());
    for (int y = 0; y < reader.Height(); ++y)
        if (!reader.ReadRow(out.raster.Row(y))) {
            out.raster = Raster();
            out.error = reader.Error();
            break;
        }
    return out;
}

std::optional<PictureFileFormat> PictureFormatForPath(std::string_view path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return std::nullopt;
    std::string ext(path.substr(dot + 1));
    for (char& ch : ext) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
    if (ext == "png") return PictureFileFormat::Png;
    if (ext == "bmp") return PictureFileFormat::Bmp;
    return std::nullopt;
}

}  // namespace glifora
