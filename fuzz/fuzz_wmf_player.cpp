// The metafile player on arbitrary bytes. The picture limit is lowered so that
// each run stays quick; every size check is relative to it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_support.h"
#include "platform/wmf_player.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    glifora::fuzz::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const glifora::PictureLoad load = glifora::PlayWmf(bytes, uint64_t{16} << 20);
    // A result is either a picture or a reason, never both or neither.
    if (load.Ok() == load.raster.Empty()) std::abort();
    return 0;
}
