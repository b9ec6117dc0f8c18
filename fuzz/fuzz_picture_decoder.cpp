// Whole-picture decoding by content (every format the program reads).
#include <QImageReader>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "platform/picture_decoder.h"
#include "platform/wmf_player.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    glifora::fuzz::StartQt();
    // Keeps Qt's readers to pictures a fuzzing run can afford; the program's
    // own checks against kDecodeByteLimit are exercised by the other formats.
    QImageReader::setAllocationLimit(256);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // A metafile of a few bytes may ask for a picture of up to the whole
    // limit (a gigabyte), which is allowed but takes the run tens of seconds
    // to fill under the sanitizers: metafiles get the lower limit their own
    // target uses, and that target fuzzes the player.
    const glifora::PictureLoad load = glifora::LooksLikeWmf(bytes)
                                          ? glifora::PlayWmf(bytes, uint64_t{16} << 20)
                                          : glifora::DecodePictureData(bytes);
    if (load.Ok() == load.raster.Empty()) std::abort();
    return 0;
}
