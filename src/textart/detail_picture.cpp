#include "textart/detail_picture.h"

#include <cstdio>
#include <vector>

#include "platform/jpeg_reader.h"
#include "platform/picture_decoder.h"
#include "textart/text_conversion.h"

namespace glifora {

bool DetailSizeAllowed(int columns, int rows, int cellWidth, int cellHeight) {
    if (columns <= 0 || rows <= 0) return true;
    const DetailSampling s = DetailSamplingFor(cellWidth, cellHeight);
    // At most six planes of floats are alive at once (the picture at the
    // sampling grid, boosted and plain, and four while the refinement blurs).
    return static_cast<uint64_t>(columns) * static_cast<uint64_t>(rows) *
               static_cast<uint64_t>(s.across * s.down) * 24 <=
           kDecodeByteLimit;
}

namespace {

int RowsFor(int w, int h, const DetailInputs& in) {
    const int cw = in.shapes ? in.shapes->width : 0, ch = in.shapes ? in.shapes->height : 0;
    return ComputeRowCount(w, h, in.columns, cw, ch);
}

bool Allowed(int rows, const DetailInputs& in) {
    return in.shapes && TextArtSizeAllowed(in.columns, rows) &&
           DetailSizeAllowed(in.columns, rows, in.shapes->width, in.shapes->height);
}

}  // namespace

std::string DetailTextArtFrom(const Raster& picture, DetailInputs in) {
    in.rows = RowsFor(picture.Width(), picture.Height(), in);
    if (in.rows <= 0 || !Allowed(in.rows, in)) return {};
    return ConvertDetail(LumaOf(picture), in);
}

bool DetailTextArtFromFile(const std::string& path, DetailInputs in, std::string* text,
                           std::string* error, int* rows) {
    text->clear();
    error->clear();
    uint8_t head[3] = {0, 0, 0};
    bool jpeg = false;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        jpeg = std::fread(head, 1, sizeof head, f) == sizeof head &&
               JpegReader::LooksLikeJpeg(head, sizeof head);
        std::fclose(f);
    }
    if (!jpeg || !in.shapes) {
        PictureLoad load = DecodePicture(path);
        if (!load.Ok()) {
            *error = load.error;
            return false;
        }
        in.rows = RowsFor(load.raster.Width(), load.raster.Height(), in);
        if (rows) *rows = in.rows;
        if (!Allowed(in.rows, in)) return false;
        if (in.rows > 0) *text = ConvertDetail(LumaOf(load.raster), in);
        return true;
    }
    // Only as many pixels as the conversion samples are decoded.
    const DetailSampling s = DetailSamplingFor(in.shapes->width, in.shapes->height);
    JpegReader reader;
    const bool opened = reader.OpenFileScaled(path, [&](int w, int h) {
        in.rows = RowsFor(w, h, in);
        return std::pair<int, int>(in.columns * s.across, in.rows * s.down);
    });
    if (!opened) {
        *error = reader.Error();
        return false;
    }
    if (rows) *rows = in.rows;
    if (!Allowed(in.rows, in)) return false;
    if (in.rows <= 0 || in.columns <= 0) return true;
    Raster row = Raster::Uninitialized(reader.Width(), 1);
    GreyPlane grey(reader.Width(), reader.Height());
    for (int y = 0; y < grey.height; ++y) {
        if (!reader.ReadRow(row.Row(0))) {
            *error = reader.Error();
            return false;
        }
        const uint8_t* p = row.Row(0);
        float* d = &grey.At(0, y);
        for (int x = 0; x < grey.width; ++x, p += 4)
            d[x] = 0.114f * p[0] + 0.587f * p[1] + 0.299f * p[2];
    }
    *text = ConvertDetail(grey, in);
    return true;
}

}  // namespace glifora
