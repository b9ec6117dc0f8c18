// The editor document: cell mapping, painting, loading, boxes and fills,
// checked through a canvas that records what it is told to draw.
#include "editor/editor_document.h"

#include <gtest/gtest.h>

#include "editor/editor_transformations.h"
#include "editor/rubber_band.h"
#include "recording_canvas.h"

namespace glifora {
namespace {

using test::RecordingCanvas;
using test::RowText;
using Print = RecordingCanvas::Print;

class Document : public test::CanvasDocumentTest {
  protected:
    RubberBand band{doc};

    void Drag(double x1, double y1, double x2, double y2, bool fill, const std::string& c = "#") {
        band.Down(x1, y1);
        band.Move(x2, y2);
        band.Up(x2, y2, fill, c);
    }
};

TEST(CellMapping, PixelsRoundToCellsHalvesToEven) {
    // A cell is 8 wide and 12 high: 8 -> 1.5 -> 2, 16 -> 2.5 -> 2; the pixel
    // itself is rounded first, 0.5 -> 0.
    for (auto [x, column] : {std::pair{0.0, 0},
                             {0.5, 0},
                             {1.0, 1},
                             {1.5, 1},
                             {7.0, 1},
                             {8.0, 2},
                             {16.0, 2},
                             {17.0, 3},
                             {23.0, 3}})
        EXPECT_EQ(PixelToCell(x, 0).column, column) << x;
    for (auto [y, row] : {std::pair{11, 1}, {12, 2}, {24, 2}, {25, 3}})
        EXPECT_EQ(PixelToCell(0, y).row, row) << y;
    EXPECT_EQ(CellToPixel(3, 3), (CanvasPoint{16, 24}));
    EXPECT_EQ(CellToPixel(0, 0), (CanvasPoint{-8, -12}));
    EXPECT_TRUE(InsideGrid(0, 0) && InsideGrid(100, 74));
    EXPECT_FALSE(InsideGrid(101, 0) || InsideGrid(0, 75) || InsideGrid(-1, 3));
}

TEST_F(Document, PaintingWipesTheOldGlyphInWhiteThenPrintsInBlack) {
    doc.PintarCaracter(3, 3, "A");  // over a space: nothing to wipe
    doc.PintarCaracter(3, 3, "B");
    const std::vector<Print> expected = {
        {{16, 24}, "A", Ink::Black}, {{16, 24}, "A", Ink::White}, {{16, 24}, "B", Ink::Black}};
    EXPECT_EQ(canvas.prints, expected);
    EXPECT_EQ(doc.Cell(3, 3), "B");

    // Cell (0, 0) lies off the canvas but is in the grid.
    doc.PintarCaracter(0, 0, "X");
    EXPECT_EQ(doc.Cell(0, 0), "X");
    EXPECT_EQ(canvas.prints.back().at, (CanvasPoint{-8, -12}));

    canvas = {};
    doc.PintarCaracter(101, 3, "X");
    doc.PintarCaracter(3, 75, "X");
    doc.PintarCaracter(-1, 3, "X");
    EXPECT_TRUE(canvas.prints.empty());
    EXPECT_EQ(doc.Cell(3, 75), "");

    // Erasing only hides the glyph; off the table it does nothing.
    doc.EraseGlyph(3, 3);
    doc.EraseGlyph(-3, 200);
    EXPECT_EQ(canvas.prints, (std::vector<Print>{{{16, 24}, "B", Ink::White}}));
    EXPECT_EQ(doc.Cell(3, 3), "B");

    // An empty current character wipes the glyph and leaves the empty text.
    doc.PintarCaracter(3, 3, "");
    EXPECT_EQ(doc.Cell(3, 3), "");
}

TEST_F(Document, LoadingClipsToTheVisibleCellsAndDoesNotClearFirst) {
    std::string text;
    for (int line = 1; line <= 80; ++line) {
        for (int column = 1; column <= 120; ++column) text += static_cast<char>('0' + column % 10);
        text[text.size() - 120] = static_cast<char>('A' + line % 26);  // marks the line
        text += "\r\n";
    }
    doc.LoadEditorText(text);
    EXPECT_EQ(doc.Cell(1, 1) + doc.Cell(2, 1) + doc.Cell(100, 1), "B20");
    EXPECT_EQ(doc.Cell(1, 74), std::string(1, 'A' + 74 % 26));
    EXPECT_EQ(doc.Cell(100, 74), "0");
    EXPECT_EQ(doc.Cell(1, 75), "");
    EXPECT_EQ(doc.Cell(0, 1), " ");
    EXPECT_EQ(canvas.prints.size(), 100u * 74u);

    // A smaller text paints over the top-left corner only.
    doc.LoadEditorText("ab\r\nc\nd");
    EXPECT_EQ(test::Rows(doc, 1, 3, 1, 3), "ab3/c23/d23");  // a lone LF ends a line too
}

TEST_F(Document, ClearingBlanksEveryPaintableCellColumn100Included) {
    doc.LoadEditorText(std::string(100, 'x'));
    doc.PintarCaracter(0, 0, "y");
    doc.PintarCaracter(100, 74, "z");
    doc.ClearScreen();
    EXPECT_EQ(canvas.clears, 1);
    EXPECT_EQ(doc.Cell(0, 0) + doc.Cell(99, 1) + doc.Cell(100, 1) + doc.Cell(100, 74), "    ");
    EXPECT_EQ(doc.Cell(5, 75), "");  // never painted, never cleared
}

TEST_F(Document, BoxesDraggedWithAndWithoutFill) {
    Drag(16, 24, 48, 60, false);
    EXPECT_EQ(test::Rows(doc, 2, 6, 2, 7), "      / +--+ / |  | / +--+ /      ");
    // The band was drawn once and wiped once: the canvas is as it was.
    ASSERT_EQ(canvas.inversions.size(), 2u);
    EXPECT_EQ(canvas.inversions[0], canvas.inversions[1]);
    EXPECT_EQ(canvas.inversions[0].second, (CanvasPoint{48, 60}));

    doc.ClearScreen();
    Drag(48, 60, 16, 24, true, "o");  // corners in either order
    EXPECT_EQ(test::Rows(doc, 3, 5, 3, 6), "+--+/|oo|/+--+");
    doc.ClearScreen();
    Drag(16, 24, 22, 60, true);  // 22 snaps to 24: one column wide
    EXPECT_EQ(test::Rows(doc, 3, 5, 3, 4), "+ /| /+ ");
    Drag(80, 120, 120, 131, true);  // 131 snaps to 132: one row high
    EXPECT_EQ(test::Rows(doc, 11, 12, 10, 16), " +---+ /       ");

    canvas = {};
    band.Down(40, 40);
    band.Up(41, 37, true, "#");  // the same grid point: no cell, no stray band
    EXPECT_TRUE(canvas.prints.empty() && canvas.inversions.empty());
}

TEST_F(Document, FillPaintsOnlyTheInsideOfAClosedBox) {
    doc.LoadEditorText("\r\n |---|\r\n |   |\r\n |   |\r\n |---|");
    doc.FloodFill(4, 4, ".");
    EXPECT_EQ(test::Rows(doc, 1, 6, 1, 7), "       / |---| / |...| / |...| / |---| /       ");

    // A fill of its own target, or from off the table, does nothing.
    canvas = {};
    doc.FloodFill(50, 50, " ");
    doc.FloodFill(-2, 3, "#");
    doc.FloodFill(3, 76, "#");
    EXPECT_TRUE(canvas.prints.empty());

    // On a document never cleared every cell holds the empty text; a fill of
    // it runs through row 75, which can never be painted, and still ends.
    EditorDocument fresh;
    fresh.FloodFill(100, 30, "#");
    for (int y = 0; y <= 74; ++y) EXPECT_EQ(fresh.Cell(100, y) + fresh.Cell(0, y), "##") << y;
    EXPECT_EQ(fresh.Cell(100, 75), "");
}

TEST_F(Document, CaseChangesTouchOnlyTheUnaccentedLetters) {
    doc.LoadEditorText("Ab1\xC9z");  // É in Windows-1252
    UpperToLower(doc);
    EXPECT_EQ(RowText(doc, 1, 1, 5), "ab1\xC9z");
    LowerToUpper(doc);
    EXPECT_EQ(RowText(doc, 1, 1, 5), "AB1\xC9Z");
}

}  // namespace
}  // namespace glifora
