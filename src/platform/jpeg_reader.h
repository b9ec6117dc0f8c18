#pragma once
// The program's one JPEG decoder: libjpeg-turbo, called directly, decoding
// row by row straight into the Raster layout. Whole-picture loading and the
// row-sampling path of the command line both go through this class, with the
// same settings, so they see the same pixels.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace glifora {

class JpegReader {
  public:
    JpegReader();
    ~JpegReader();
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;

    // Reads the header of a file or of a buffer in memory (which must outlive
    // the reader). On failure returns false; Error() says why.
    [[nodiscard]] bool OpenFile(const std::string& path);
    // The same, decoding at the smallest DCT scale (n/8, n = 1-8) at which the
    // picture still measures at least what `minimumSize` asks for its full
    // width and height; Width() and Height() then give the scaled size.
    [[nodiscard]] bool OpenFileScaled(
        const std::string& path, const std::function<std::pair<int, int>(int, int)>& minimumSize);
    [[nodiscard]] bool OpenMemory(const uint8_t* data, size_t size);

    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] int NextRow() const;

    // Decodes the next row into `bgrx` (Width() x 4 bytes: blue, green, red, 255).
    [[nodiscard]] bool ReadRow(uint8_t* bgrx);
    // Moves past `count` rows without producing them; the rows after come out
    // exactly as if the skipped ones had been read.
    [[nodiscard]] bool SkipRows(int count);

    [[nodiscard]] const std::string& Error() const;

    // True for data that begins like a JPEG file.
    [[nodiscard]] static bool LooksLikeJpeg(const uint8_t* data, size_t size);

  public:
    struct State;

  private:
    static bool StartDecompress(State& s);
    bool Open(const std::string& path);
    std::unique_ptr<State> s_;
};

}  // namespace glifora
