// Text art holds only printable characters, whatever the palette, the mode and
// the font: what is saved, copied (the same TextArt) and printed on a terminal
// never carries a control code or a code the code page leaves undefined.
// Standard output passes through the terminal filter, tested on its own.
#include <gtest/gtest.h>

#include "test_support.h"
#include "textart/text_art_session.h"
#include "textart/text_conversion.h"
#include "textart/text_file.h"

namespace glifora {
namespace {

const char* const kFonts[] = {"DejaVu Sans Mono", "Liberation Mono"};

// The first byte of `ansi` (Windows-1252) that is not printable text, or -1.
int FirstUnprintableAnsi(const std::string& ansi) {
    for (char ch : ansi) {
        const int b = static_cast<unsigned char>(ch);
        if (b == '\r' || b == '\n') continue;
        if (IsExcludedCode(b)) return b;
    }
    return -1;
}

// Every grey level once per row, so every entry of the level map is printed.
Raster Ramp() {
    Raster r(256, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 256; ++x) r.SetPixel(x, y, MakeColor(x, x, x));
    return r;
}

TEST(PrintableOutput, EveryPaletteModeAndFontConvertsToPrintableText) {
    const Raster ramp = Ramp();
    for (const char* face : kFonts) {
        TextArtSession session;
        session.ApplyFont({face, 6});
        for (int palette = 0; palette < 4; ++palette) {
            session.SelectPalette(palette);
            for (bool negative : {false, true}) {
                session.SetNegative(negative);
                const std::string label = std::string(face) + " palette " +
                                          std::to_string(palette) + (negative ? " negative" : "");
                const std::string art = ConvertTonal(ramp, session.Tables().LevelMap, 0);
                const std::string saved =
                    SavedTextContent(FontPanelText(face), SizePanelText(6), art);
                EXPECT_EQ(FirstUnprintableAnsi(saved), -1) << label;
            }
        }
    }
}

// The tables the command prints show the excluded codes as such.
TEST(PrintableOutput, TheCommandLinesGlyphTablesShowTheExcludedCodes) {
    const auto glyphs = test::RunGlifora({"glyphs", "--palette", "0", "--font", kFonts[0]});
    ASSERT_EQ(glyphs.status, 0) << glyphs.err;
    for (int c : {30, 31, 127, 129, 141, 143, 144, 157})
        EXPECT_NE(glyphs.out.find("glifo " + std::to_string(c) + " 99999.000000\n"),
                  std::string::npos)
            << c;
    EXPECT_EQ(glyphs.out.find("glifo 128 99999"), std::string::npos);
}

}  // namespace
}  // namespace glifora
