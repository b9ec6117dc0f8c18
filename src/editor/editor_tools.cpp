#include "editor/editor_tools.h"

#include "platform/arith.h"

namespace glifora {

void EditorTools::DriveBand(MouseAction action, bool left, double x, double y) {
    // The band starts where a button went down, whichever it was, from the
    // unrounded point; it follows and ends only with the left button.
    switch (action) {
        case MouseAction::Down:
            band_.Down(x, y);
            break;
        case MouseAction::Move:
            if (left) band_.Move(RoundHalfEven(x), RoundHalfEven(y));
            break;
        case MouseAction::Up:
            if (left)
                band_.Up(RoundHalfEven(x), RoundHalfEven(y), tool_ == EditorTool::FilledBox,
                         character_);
            break;
    }
}

std::optional<std::string> EditorTools::Mouse(MouseAction action, bool left, double x, double y) {
    const GridCell cell = PixelToCell(x, y);
    switch (tool_) {
        case EditorTool::None:
            break;
        case EditorTool::Box:
        case EditorTool::FilledBox:
            DriveBand(action, left, x, y);
            break;
        case EditorTool::Freehand:
            if (action != MouseAction::Up && left)
                document_.PintarCaracter(cell.column, cell.row, character_);
            if (action == MouseAction::Move)
                return "(" + std::to_string(cell.column) + "," + std::to_string(cell.row) + ")";
            break;
        case EditorTool::Erase:
            if (action != MouseAction::Up && left) document_.EraseGlyph(cell.column, cell.row);
            break;
        case EditorTool::Fill:
            // The fill starts where any button comes up.
            if (action == MouseAction::Up) document_.FloodFill(cell.column, cell.row, character_);
            break;
    }
    return std::nullopt;
}

}  // namespace glifora
