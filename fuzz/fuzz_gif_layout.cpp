// The GIF block walker, with the invariants its callers rely on: blocks in
// file order, inside the file, only the last one broken or a trailer.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_support.h"
#include "platform/gif_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const glifora::GifLayout layout = glifora::ParseGifLayout(bytes);
    if (layout.headerEnd > size) std::abort();
    size_t previous = layout.headerEnd;
    for (size_t i = 0; i < layout.blocks.size(); ++i) {
        const glifora::GifBlock& b = layout.blocks[i];
        if (b.begin != previous || b.end <= b.begin || b.end > size) std::abort();
        const bool last = i + 1 == layout.blocks.size();
        if ((b.broken || b.kind == glifora::GifBlock::Kind::Trailer) && !last) std::abort();
        previous = b.end;
    }
    if (layout.complete &&
        (layout.blocks.empty() || layout.blocks.back().kind != glifora::GifBlock::Kind::Trailer))
        std::abort();
    (void)glifora::GifHasCompleteFirstImage(bytes);
    return 0;
}
