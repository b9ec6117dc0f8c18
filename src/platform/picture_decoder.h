#pragma once
// Picture decoding by content: BMP, GIF (first frame), JPEG, ICO, PNG and WMF. The
// file name's extension is not consulted. Failures are values with a reason.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/raster.h"

namespace glifora {

// No picture whose pixels take more than this is decoded (4 bytes a pixel).
inline constexpr uint64_t kDecodeByteLimit = uint64_t{1} << 30;

struct PictureLoad {
    Raster raster;
    std::string error;  // Spanish reason when the load failed
    [[nodiscard]] bool Ok() const { return error.empty(); }
};

// Call once before the first decode (sets the image reader's allocation limit).
void InitPictureDecoding();

[[nodiscard]] PictureLoad DecodePicture(const std::string& path);
// The part of DecodePicture that reads plain bitmaps and JPEG files on its
// own, without Qt; nullopt when the file is of any other kind (or a bitmap
// only the general decoder reads, or says what is wrong with).
[[nodiscard]] std::optional<PictureLoad> DecodePictureDirectly(const std::string& path);
// Whether `path` is a file (not a folder) that starts like a JPEG.
[[nodiscard]] bool FileLooksLikeJpeg(const std::string& path);
[[nodiscard]] PictureLoad DecodePictureData(const std::string& bytes);

// Decodes the picture and shrinks it to the size `target` returns for its
// width and height, sampling as ShrinkNearest does. JPEG files are decoded
// row by row, keeping only the rows the shrink reads; the result is the same
// as DecodePicture followed by ShrinkNearest. `sourceWidth`/`sourceHeight`
// receive the full picture size.
struct ShrinkTarget {
    int width = 0;
    int height = 0;
    // A thin picture shrunk to many columns can ask for far more rows than it
    // has: a target whose pixels would pass the decode limit is refused.
    [[nodiscard]] bool TooLarge() const {
        return width > 0 && height > 0 &&
               static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 > kDecodeByteLimit;
    }
};
[[nodiscard]] PictureLoad DecodePictureShrunk(const std::string& path,
                                              const std::function<ShrinkTarget(int, int)>& target,
                                              int* sourceWidth = nullptr,
                                              int* sourceHeight = nullptr);

// The picture files the program writes.
enum class PictureFileFormat { Png, Bmp };

// The format a file name asks for by its extension (".png", ".bmp", any case).
[[nodiscard]] std::optional<PictureFileFormat> PictureFormatForPath(std::string_view path);

}  // namespace glifora
