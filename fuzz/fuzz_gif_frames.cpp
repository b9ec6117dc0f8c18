// The frame splitter: every frame lies inside the file, after the header and
// after the frame before it, and each frame file is the header, the frame and
// one trailer byte.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "animation/gif_frames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view gif(reinterpret_cast<const char*>(data), size);
    const glifora::GifFrameCut cut = glifora::CutGifFrames(gif);
    size_t previous = cut.headerEnd;
    if (previous > size) std::abort();
    for (size_t i = 0; i < cut.frames.size(); ++i) {
        const auto& span = cut.frames[i];
        if (span.begin != previous || span.end < span.begin || span.end > size) std::abort();
        previous = span.end;
        if (i < 4) {
            const std::string file = glifora::FrameFileBytes(gif, cut, i);
            if (file.size() != cut.headerEnd + (span.end - span.begin) + 1 || file.back() != 0x3B)
                std::abort();
        }
    }
    return 0;
}
