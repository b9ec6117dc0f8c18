#include "platform/gif_layout.h"

#include <gtest/gtest.h>

namespace glifora {

TEST(GifLayout, WalksBlocksByTheirLengths) {
    // Header, 2-colour table, a graphic control extension, an image whose data
    // happens to hold 21 F9, and the trailer.
    std::string gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff", 19);
    const size_t gce = gif.size();
    gif += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
    const size_t image = gif.size();
    gif += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x03\x21\xF9\x01\x00", 16);
    gif += ";";
    const GifLayout layout = ParseGifLayout(gif);
    ASSERT_TRUE(layout.signature);
    EXPECT_EQ(layout.headerEnd, 19u);
    ASSERT_EQ(layout.blocks.size(), 3u);
    EXPECT_EQ(layout.blocks[0].kind, GifBlock::Kind::GraphicControl);
    EXPECT_EQ(layout.blocks[0].begin, gce);
    EXPECT_EQ(layout.blocks[1].kind, GifBlock::Kind::Image);
    EXPECT_EQ(layout.blocks[1].begin, image);
    EXPECT_EQ(layout.blocks[2].kind, GifBlock::Kind::Trailer);
    EXPECT_TRUE(layout.complete);
    EXPECT_TRUE(GifHasCompleteFirstImage(gif));

    const std::string cut = gif.substr(0, image + 12);
    const GifLayout broken = ParseGifLayout(cut);
    EXPECT_FALSE(broken.complete);
    ASSERT_EQ(broken.blocks.size(), 2u);
    EXPECT_TRUE(broken.blocks[1].broken);
    EXPECT_FALSE(GifHasCompleteFirstImage(cut));
}

TEST(GifLayout, RejectsWhatIsNotAGif) {
    EXPECT_FALSE(ParseGifLayout("GIF88a....").signature);
    EXPECT_FALSE(ParseGifLayout("").signature);
    EXPECT_TRUE(ParseGifLayout("GIF87a").blocks.empty());
    EXPECT_FALSE(GifHasCompleteFirstImage("GIF89a\x01\x00\x01\x00\x00\x00\x00;"));
}

}  // namespace glifora
