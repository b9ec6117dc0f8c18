// The drawing tools driven by mouse events, without a window.
#include "editor/editor_tools.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"

namespace glifora {
namespace {

using test::RecordingCanvas;
using test::RowText;

class Tools : public test::CanvasDocumentTest {
  protected:
    EditorTools tools{doc};

    std::optional<std::string> Down(double x, double y, bool left = true) {
        return tools.Mouse(MouseAction::Down, left, x, y);
    }
    std::optional<std::string> Move(double x, double y, bool left = true) {
        return tools.Mouse(MouseAction::Move, left, x, y);
    }
    std::optional<std::string> Up(double x, double y, bool left = true) {
        return tools.Mouse(MouseAction::Up, left, x, y);
    }
};

TEST_F(Tools, WithNoToolChosenTheMouseDoesNothing) {
    EXPECT_EQ(tools.Tool(), EditorTool::None);
    tools.ChooseCharacter("X");
    for (bool left : {true, false}) {
        EXPECT_FALSE(Down(20, 30, left));
        EXPECT_FALSE(Move(28, 30, left));
        EXPECT_FALSE(Up(28, 30, left));
    }
    EXPECT_TRUE(canvas.prints.empty() && canvas.inversions.empty());
}

TEST_F(Tools, FreehandPaintsWhileTheLeftButtonIsHeldAndReportsTheCell) {
    tools.ChooseTool(EditorTool::Freehand);
    tools.ChooseCharacter("X");
    EXPECT_EQ(Move(20, 30, false), "(3,3)");
    EXPECT_EQ(doc.Cell(3, 3), " ");
    EXPECT_FALSE(Down(20, 30));
    EXPECT_EQ(Move(28, 30), "(4,3)");
    EXPECT_FALSE(Up(36, 30));  // a release paints nothing
    EXPECT_EQ(RowText(doc, 3, 3, 5), "XX ");
    Down(40, 30, false);
    EXPECT_EQ(doc.Cell(6, 3), " ");

    // Erasing hides the glyph under a held left button; the cell keeps it.
    tools.ChooseTool(EditorTool::Erase);
    canvas = {};
    EXPECT_FALSE(Move(20, 30, false));
    Move(28, 30);
    Up(36, 30);
    EXPECT_EQ(canvas.prints, (std::vector<RecordingCanvas::Print>{{{24, 24}, "X", Ink::White}}));
    EXPECT_EQ(RowText(doc, 3, 3, 4), "XX");
}

TEST_F(Tools, TheBandStartsOnAnyButtonButFollowsAndEndsOnlyWithTheLeft) {
    tools.ChooseTool(EditorTool::FilledBox);
    tools.ChooseCharacter("o");
    Down(16.4, 24.4, false);  // snapped to the grid point (16, 24)
    Move(30, 40, false);
    EXPECT_FALSE(tools.Band().Shown());
    Move(30, 40);
    EXPECT_TRUE(tools.Band().Shown());
    EXPECT_EQ(tools.Band().End(), (CanvasPoint{32, 36}));
    Up(48, 60, false);  // only the left button ends a box
    EXPECT_EQ(doc.Cell(3, 3), " ");
    Up(47.6, 60.4);  // rounded before snapping
    EXPECT_FALSE(tools.Band().Shown());
    EXPECT_EQ(test::Rows(doc, 3, 5, 3, 6), "+--+/|oo|/+--+");
}

TEST_F(Tools, FillStartsWhereAnyButtonComesUp) {
    doc.LoadEditorText("+---+\r\n|   |\r\n+---+");
    tools.ChooseTool(EditorTool::Fill);
    tools.ChooseCharacter("#");
    Down(20, 18);
    Move(20, 18);
    EXPECT_EQ(RowText(doc, 2, 1, 6), "|   | ");
    Up(20, 18, false);  // cell (3, 2)
    EXPECT_EQ(RowText(doc, 2, 1, 6), "|###| ");
    EXPECT_EQ(doc.Cell(6, 1), " ");
}

}  // namespace
}  // namespace glifora
