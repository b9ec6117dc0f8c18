#pragma once
// The block structure of a GIF file, walked by its declared lengths: header
// and logical screen (with the global colour table), then extensions and
// images, then the trailer. Used to check a first image is whole before it is
// shown and to split animations into frames.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace glifora {

struct GifBlock {
    enum class Kind { GraphicControl, OtherExtension, Image, Trailer };
    Kind kind;
    size_t begin;         // offset of the introducer byte (21, 2C or 3B)
    size_t end;           // one past the block's last byte
    bool broken = false;  // the file ends (or the structure breaks) inside it
};

struct GifLayout {
    bool signature = false;  // "GIF87a" or "GIF89a"
    size_t headerEnd = 0;    // end of the logical screen and global colour table
    std::vector<GifBlock> blocks;
    bool complete = false;  // walked up to a trailer without breaking off
};

[[nodiscard]] GifLayout ParseGifLayout(std::string_view bytes);

// The same walk without keeping the blocks: each goes to `visit` in file
// order until it returns false. The result has the header fields and
// `complete` only, so a file of millions of tiny blocks costs no memory.
GifLayout VisitGifBlocks(std::string_view bytes, const std::function<bool(const GifBlock&)>& visit);

// True when the file is a GIF whose first image's data is all there.
[[nodiscard]] bool GifHasCompleteFirstImage(std::string_view bytes);

}  // namespace glifora
