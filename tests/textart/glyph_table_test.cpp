#include "textart/glyph_table.h"

#include <gtest/gtest.h>

#include "scripted_canvas.h"

namespace glifora {
namespace {

using test::ScriptedCanvas;

// A 4 x 4 cell: brightness = (16 - ink) / 16 x 255.
float White(int ink) {
    return static_cast<float>((16.0 - ink) / 16.0 * 255.0);
}

TEST(GlyphTable, MeasuresTheCountedColourAndExcludesControlCodes) {
    ScriptedCanvas canvas(4, 4);
    canvas.ink.fill(8);
    canvas.ink[32] = 0;
    canvas.ink[48] = 16;
    GlyphTables t;
    BuildGlyphTable(t, 1, canvas);  // 31-127
    for (int c = 0; c <= 31; ++c) EXPECT_EQ(t.GlyphTable[c], 99999.0f);
    EXPECT_EQ(t.GlyphTable[127], 99999.0f);
    EXPECT_EQ(t.GlyphTable[32], 255.0f);
    EXPECT_EQ(t.GlyphTable[48], 0.0f);
    EXPECT_EQ(t.GlyphTable[65], White(8));
    EXPECT_EQ(t.GlyphTable[128], 0.0f);      // outside the palette: untouched after the reset
    EXPECT_EQ(t.GlyphTable[129], 99999.0f);  // undefined in the code page, in range or not
    EXPECT_EQ(t.LevelMap[0], 48);
    EXPECT_EQ(t.LevelMap[255], 32);
    EXPECT_EQ(t.LevelMap[128], 33);  // 127.5: ties go to the lowest printable code
}

TEST(GlyphTable, TiesGoToTheLowestCodeButNeverToANonPrintingOne) {
    ScriptedCanvas canvas(4, 4);
    canvas.ink.fill(4);
    // Control and undefined codes that draw nothing (or the font's box) would
    // tie with the space or win the dark levels; they are not measured at all.
    for (int c : {31, 127, 129, 141, 143, 144, 157}) canvas.ink[c] = 0;
    canvas.ink[157] = 16;
    canvas.ink[32] = 0;
    canvas.ink[160] = 0;  // the non-breaking space ties with the space
    canvas.ink[200] = 12;
    GlyphTables t;
    BuildGlyphTable(t, 0, canvas);
    EXPECT_EQ(t.LevelMap[255], 32);
    EXPECT_EQ(t.LevelMap[0], 200);
    EXPECT_EQ(t.MinBrightness, White(12));  // code 157's 16 inked pixels do not count
    for (int level = 0; level < 256; ++level) {
        const int code = t.LevelMap[level];
        EXPECT_FALSE(IsExcludedCode(code)) << level;
        EXPECT_EQ(code, NearestGlyph(t, level));
    }
}

TEST(GlyphTable, OutOfRangeCodesWinOnlyWhereTheMinimumIsZero) {
    ScriptedCanvas canvas(4, 4);
    canvas.ink.fill(8);
    canvas.ink[32] = 0;
    GlyphTables t;
    // Palette 3 (digits): nothing blank, minimum above 0, so nothing outside 48-57 wins.
    canvas.ink[48] = 12;
    BuildGlyphTable(t, 3, canvas);
    EXPECT_GT(t.MinBrightness, 0.0f);
    for (int level = 0; level < 256; ++level) {
        EXPECT_GE(t.LevelMap[level], 48);
        EXPECT_LE(t.LevelMap[level], 57);
    }
    // Negative mode, palette 1: the space measures 0 like codes 128-255 (not
    // scanned), and wins being lower.
    BuildGlyphTable(t, 1, canvas);
    SetNegative(t, true, canvas);
    EXPECT_EQ(t.CountedColor, 0);
    EXPECT_EQ(t.GlyphTable[32], 0.0f);
    EXPECT_EQ(t.MinBrightness, 0.0f);
    EXPECT_EQ(t.LevelMap[0], 32);
    // A level no entry comes within 255 of maps to code 0.
    GlyphTables empty;
    empty.GlyphTable.fill(1000.0f);
    EXPECT_EQ(NearestGlyph(empty, 100), 0);
}

TEST(GlyphTable, SwitchingTheNegativeOptionBackRestoresTheTables) {
    ScriptedCanvas canvas(5, 3);
    for (int c = 0; c < 256; ++c) canvas.ink[c] = (c * 7) % 16;
    GlyphTables t;
    BuildGlyphTable(t, 0, canvas);
    const GlyphTables before = t;
    SetNegative(t, true, canvas);
    EXPECT_NE(t.LevelMap, before.LevelMap);
    SetNegative(t, false, canvas);
    EXPECT_EQ(t.GlyphTable, before.GlyphTable);
    EXPECT_EQ(t.LevelMap, before.LevelMap);
}

TEST(GlyphTable, DegenerateCellsAndPalettes) {
    // Equal minimum and maximum map every level to the lowest code.
    ScriptedCanvas canvas(4, 4);
    canvas.ink.fill(5);
    GlyphTables t;
    BuildGlyphTable(t, 2, canvas);
    EXPECT_EQ(t.MinBrightness, t.MaxBrightness);
    for (int level = 0; level < 256; ++level) EXPECT_EQ(t.LevelMap[level], 65);
    // An index outside the palettes keeps the range.
    BuildGlyphTable(t, -1, canvas);
    EXPECT_EQ(t.PaletteFirst, 65.0f);
    EXPECT_EQ(t.PaletteLast, 122.0f);
    // A zero-sized cell measures zero without failing.
    ScriptedCanvas none(0, 0);
    none.ink.fill(3);
    BuildGlyphTable(t, 1, none);
    EXPECT_EQ(t.GlyphTable[65], 0.0f);
    EXPECT_EQ(t.MaxBrightness, 0.0f);
}

}  // namespace
}  // namespace glifora
