// Mirrors, character twins and case changes.
#include "editor/editor_transformations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editor/editor_text.h"
#include "recording_canvas.h"

namespace glifora {
namespace {

using test::RecordingCanvas;
using test::RowText;

using Transform = test::CanvasDocumentTest;

TEST_F(Transform, MirrorsMapTheVisibleCellsWithNothingShiftedOrLost) {
    doc.PintarCaracter(1, 1, "a");
    doc.PintarCaracter(100, 74, "z");
    doc.PintarCaracter(30, 20, "m");
    FlipHorizontal(doc, false);
    EXPECT_EQ(doc.Cell(100, 1), "a");
    EXPECT_EQ(doc.Cell(1, 74), "z");
    EXPECT_EQ(doc.Cell(71, 20), "m");
    EXPECT_EQ(doc.Cell(1, 1), " ");  // column 100 of row 1, cleared
    FlipVertical(doc, false);
    EXPECT_EQ(doc.Cell(100, 74), "a");
    EXPECT_EQ(doc.Cell(1, 1), "z");
    EXPECT_EQ(doc.Cell(71, 55), "m");
}

TEST_F(Transform, EachMirrorTwiceGivesTheArtBack) {
    std::mt19937 rng(7);
    std::string text;
    for (int y = 1; y <= 74; ++y, text += "\r\n")
        for (int x = 1; x <= 100; ++x) text += static_cast<char>(32 + rng() % 95);
    doc.LoadEditorText(text);
    for (int y = 1; y <= 74; y += 5) doc.PintarCaracter(100, y, "");  // "" kept apart from " "
    const std::string before = test::Rows(doc, 1, 74, 1, 100);
    using Flip = void (*)(EditorDocument&, bool);
    for (Flip flip : {Flip{FlipHorizontal}, Flip{FlipVertical}})
        for (bool withCharacters : {false, true}) {
            flip(doc, withCharacters);
            EXPECT_NE(test::Rows(doc, 1, 74, 1, 100), before);
            flip(doc, withCharacters);
            EXPECT_EQ(test::Rows(doc, 1, 74, 1, 100), before);
        }
}

TEST_F(Transform, MirrorsWithCharactersSwapTheTwins) {
    doc.LoadEditorText("/(<[{bpx");
    FlipHorizontal(doc, true);
    EXPECT_EQ(RowText(doc, 1, 93, 100), "xqd}]>)\\");
    doc.ClearScreen();
    doc.LoadEditorText("/^MWvbx");
    FlipVertical(doc, true);
    EXPECT_EQ(RowText(doc, 74, 1, 7), "\\vWM^bx");
}

TEST_F(Transform, MirrorRepaintsFromTheGridAndAnEmptyGridStaysBlank) {
    FlipHorizontal(doc, false);
    for (const auto& p : canvas.prints) EXPECT_TRUE(p.text.empty() || p.text == " ");

    doc.PintarCaracter(4, 4, "K");
    doc.EraseGlyph(4, 4);
    canvas = {};
    FlipVertical(doc, false);
    EXPECT_EQ(canvas.clears, 1);
    const RecordingCanvas::Print shown{CellToPixel(4, 71), "K", Ink::Black};
    EXPECT_NE(std::find(canvas.prints.begin(), canvas.prints.end(), shown), canvas.prints.end());
}

TEST(TransformAfterClear, NoOldCharacterComesBackThroughAnyTransformation) {
    using Command = void (*)(EditorDocument&);
    const std::pair<const char*, Command> commands[] = {
        {"flip across", [](EditorDocument& d) { FlipHorizontal(d, false); }},
        {"flip across with twins", [](EditorDocument& d) { FlipHorizontal(d, true); }},
        {"flip up-down", [](EditorDocument& d) { FlipVertical(d, false); }},
        {"flip up-down with twins", [](EditorDocument& d) { FlipVertical(d, true); }},
        {"upper to lower", UpperToLower},
        {"lower to upper", LowerToUpper},
    };
    for (const auto& [name, command] : commands) {
        EditorDocument doc;
        RecordingCanvas canvas;
        doc.SetCanvas(&canvas);
        // Every cell that can be painted holds a letter, the edges of the
        // table (column 0, row 0, column 100) included.
        for (int x = 0; x <= 100; ++x)
            for (int y = 0; y <= 74; ++y)
                doc.PintarCaracter(x, y,
                                   std::string(1, static_cast<char>((x + y) % 2 ? 'Q' : 'q')));
        doc.ClearScreen();
        canvas = {};
        command(doc);
        for (int x = 0; x <= 100; ++x)
            for (int y = 0; y <= 75; ++y)
                ASSERT_TRUE(doc.Cell(x, y).empty() || doc.Cell(x, y) == " ")
                    << name << " at (" << x << ", " << y << ")";
        for (const auto& p : canvas.prints)
            ASSERT_TRUE(p.ink == Ink::White || p.text == " ") << name << ": " << p.text;
        EXPECT_EQ(EditorText(doc), "") << name;
    }
}

}  // namespace
}  // namespace glifora
