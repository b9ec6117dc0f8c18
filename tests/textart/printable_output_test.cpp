// Text art holds only printable characters, whatever the palette, the mode and
// the font: what is saved, copied (the same TextArt) and printed on a terminal
// never carries a control code or a code the code page leaves undefined.
#include <gtest/gtest.h>

#include <QTemporaryDir>

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

// The same for UTF-8 text: C0 controls, DEL and the C1 controls U+0080-U+009F.
int FirstUnprintableUtf8(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size(); ++i) {
        const int b = static_cast<unsigned char>(utf8[i]);
        if (b == '\r' || b == '\n') continue;
        if (b < 32 || b == 127) return b;
        if (b == 0xC2 && i + 1 < utf8.size()) {
            const int next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next <= 0x9F) return next;
        }
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
                const GlyphTables& t = session.Tables();
                const std::string label = std::string(face) + " palette " +
                                          std::to_string(palette) + (negative ? " negative" : "");
                for (int level = 0; level < 256; ++level)
                    ASSERT_EQ(t.LevelMap[level], NearestGlyph(t, level)) << label << " " << level;
                for (int c = 0; c < 256; ++c) {
                    if (IsExcludedCode(c)) {
                        ASSERT_EQ(t.GlyphTable[c], kExcludedGlyph) << label;
                    }
                }
                const std::string art = ConvertTonal(ramp, t.LevelMap, 0);
                const std::string saved =
                    SavedTextContent(FontPanelText(face), SizePanelText(6), art);
                EXPECT_EQ(FirstUnprintableAnsi(saved), -1) << label;
            }
        }
    }
}

TEST(PrintableOutput, CommandLineFilesStandardOutputAndGlyphTables) {
    QTemporaryDir dir;
    const std::string picture = dir.filePath("ramp.bmp").toStdString();
    test::WriteFile(picture, test::EncodePicture(Ramp(), "BMP"));
    const std::string file = dir.filePath("art.txt").toStdString();
    for (const char* face : kFonts) {
        for (int palette = 0; palette < 4; ++palette) {
            for (bool negative : {false, true}) {
                std::vector<std::string> args = {
                    "ascii",  picture, "--columns", "256",
                    "--font", face,    "--palette", std::to_string(palette)};
                if (negative) args.push_back("--negative");
                const std::string label = std::string(face) + " palette " +
                                          std::to_string(palette) + (negative ? " negative" : "");
                const auto shown = test::RunGlifora(args);
                ASSERT_EQ(shown.status, 0) << label << shown.err;
                EXPECT_EQ(FirstUnprintableUtf8(shown.out), -1) << label;
                args.insert(args.end(), {"-o", file});
                ASSERT_EQ(test::RunGlifora(args).status, 0) << label;
                EXPECT_EQ(FirstUnprintableAnsi(test::ReadFile(file)), -1) << label;
            }
        }
    }
    // The tables the command prints show the excluded codes as such.
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
