#include <gtest/gtest.h>

#include "textart/text_art_session.h"

namespace glifora {

// The real font path: DejaVu Sans Mono, installed by the set-up.
TEST(TextArtSession, MeasuresARealFixedFont) {
    TextArtSession s;
    s.ApplyFont({"DejaVu Sans Mono", 12});
    s.SelectPalette(1);
    const GlyphTables& t = s.Tables();
    EXPECT_GT(s.Cell().width, 0);
    EXPECT_EQ(t.GlyphTable[32], 255.0f);  // the space leaves the cell white
    EXPECT_EQ(t.MaxBrightness, 255.0f);
    EXPECT_LT(t.GlyphTable['M'], t.GlyphTable['.']);
    EXPECT_EQ(t.LevelMap[255], 32);  // code 31 never ties with the space
    EXPECT_NE(t.LevelMap[0], 32);
    s.SetNegative(true);
    EXPECT_EQ(s.Tables().GlyphTable[32], 0.0f);
    EXPECT_NE(s.Tables().LevelMap[255], 32);
}

}  // namespace glifora
