#include "platform/gif_layout.h"

#include <cstdint>

namespace glifora {
namespace {

uint8_t At(std::string_view b, size_t i) {
    return static_cast<uint8_t>(b[i]);
}

// Skips a chain of data sub-blocks starting at `pos`; returns the offset after
// the zero-length terminator, or npos when the data ends first.
size_t SkipSubBlocks(std::string_view b, size_t pos) {
    while (pos < b.size()) {
        const size_t len = At(b, pos);
        ++pos;
        if (len == 0) return pos;
        pos += len;
    }
    return std::string_view::npos;
}

// Walks the blocks, handing each to `visit` until it returns false. Only the
// header fields of `layout` are filled; the blocks go to `visit`.
template <typename Visit>
void WalkGif(std::string_view b, GifLayout& layout, Visit&& visit) {
    if (b.size() < 6 || (b.substr(0, 6) != "GIF87a" && b.substr(0, 6) != "GIF89a")) return;
    layout.signature = true;
    if (b.size() < 13) {
        layout.headerEnd = b.size();
        return;
    }
    size_t pos = 13;
    const uint8_t flags = At(b, 10);
    if (flags & 0x80) pos += size_t{3} << ((flags & 0x07) + 1);
    if (pos > b.size()) {
        layout.headerEnd = b.size();
        return;
    }
    layout.headerEnd = pos;
    while (pos < b.size()) {
        const uint8_t intro = At(b, pos);
        GifBlock block{GifBlock::Kind::Trailer, pos, pos + 1};
        size_t next = std::string_view::npos;
        if (intro == 0x3B) {
            layout.complete = true;
            visit(block);
            return;
        } else if (intro == 0x21) {
            if (pos + 1 < b.size()) {
                block.kind = At(b, pos + 1) == 0xF9 ? GifBlock::Kind::GraphicControl
                                                    : GifBlock::Kind::OtherExtension;
                next = SkipSubBlocks(b, pos + 2);
            } else {
                block.kind = GifBlock::Kind::OtherExtension;
            }
        } else if (intro == 0x2C) {
            block.kind = GifBlock::Kind::Image;
            size_t p = pos + 10;
            if (p <= b.size()) {
                const uint8_t iflags = At(b, pos + 9);
                if (iflags & 0x80) p += size_t{3} << ((iflags & 0x07) + 1);
                // LZW minimum code size, then the data sub-blocks.
                if (p < b.size()) next = SkipSubBlocks(b, p + 1);
            }
        } else {
            return;  // not a block introducer: the structure breaks here
        }
        if (next == std::string_view::npos) {
            block.end = b.size();
            block.broken = true;
            visit(block);
            return;
        }
        block.end = next;
        if (!visit(block)) return;
        pos = next;
    }
}

}  // namespace

GifLayout VisitGifBlocks(std::string_view bytes,
                         const std::function<bool(const GifBlock&)>& visit) {
    GifLayout layout;
    WalkGif(bytes, layout, visit);
    return layout;
}

GifLayout ParseGifLayout(std::string_view b) {
    GifLayout layout;
    WalkGif(b, layout, [&](const GifBlock& block) {
        layout.blocks.push_back(block);
        return true;
    });
    return layout;
}

// Stops at the first image: a file of a billion tiny extensions after it
// must not be walked (or stored) to show one picture.
bool GifHasCompleteFirstImage(std::string_view bytes) {
    GifLayout layout;
    bool whole = false;
    WalkGif(bytes, layout, [&](const GifBlock& block) {
        if (block.kind != GifBlock::Kind::Image) return true;
        whole = !block.broken;
        return false;
    });
    return whole;
}

}  // namespace glifora
