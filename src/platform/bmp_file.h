#pragma once
// Uncompressed 24-bit bitmaps read and written directly. They are the usual
// kind of the format and the one the command line writes; a picture of
// twelve million pixels goes through here in one pass each way, without the
// general image reader's intermediate copies. Every other kind of bitmap, and
// any header with something doubtful in it, is left to the general decoder.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/raster.h"

namespace glifora {

// The picture of a whole, uncompressed 24-bit bitmap with a 40-byte info
// header, rows bottom-up or top-down, within the decoder's size limit;
// nothing for any other file (which the general decoder then reads or
// refuses with its reason).
[[nodiscard]] std::optional<Raster> ReadPlainBmp(std::string_view bytes);
// The same read from the file at `path` a piece at a time; nothing also when
// the file cannot be read as such.
[[nodiscard]] std::optional<Raster> ReadPlainBmpFile(const std::string& path);

// Whether a bitmap holds fewer rows than its header declares (run-length
// coded files and the old 12-byte headers are not judged).
// The general decoder would pad such a file; it is refused instead.
[[nodiscard]] bool BmpIsCutShort(std::string_view bytes);

// Size in bytes of the 24-bit bitmap WritePlainBmp makes of `picture`.
[[nodiscard]] uint64_t PlainBmpSize(const Raster& picture);

// The 24-bit uncompressed bitmap of `picture`, rows bottom-up at 96 dots per
// inch, handed to `sink` in pieces of whole rows in file order; stops
// and returns false as soon as `sink` does, or at once for a picture whose
// file would pass the format's 4 GB.
[[nodiscard]] bool WritePlainBmp(const Raster& picture,
                                 const std::function<bool(std::string_view)>& sink);

// Writes `picture` to the file `path` as WritePlainBmp does, through the atomic
// writer; false and a Spanish reason when it cannot.
[[nodiscard]] bool SavePlainBmpFile(const Raster& picture, const std::string& path,
                                    std::string* why);

}  // namespace glifora
