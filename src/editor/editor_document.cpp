#include "editor/editor_document.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/arith.h"

namespace glifora {

CanvasPoint CellToPixel(int column, int row) {
    const double w = kCellWidth, h = kCellHeight;
    return {RoundToInt((column - 1.5) * w + w / 2), RoundToInt((row - 1.5) * h + h / 2)};
}

GridCell PixelToCell(double x, double y) {
    const double w = kCellWidth, h = kCellHeight;
    const double px = RoundHalfEven(x), py = RoundHalfEven(y);
    return {RoundToInt((px - w / 2) / w + 1), RoundToInt((py - h / 2) / h + 1)};
}

bool InsideGrid(int column, int row) {
    return column >= 0 && row >= 0 && column < kEditorColumns && row <= kLastPaintableRow;
}

bool InsideTable(int column, int row) {
    return column >= 0 && row >= 0 && column < kEditorColumns && row < kEditorRows;
}

const std::string& EditorDocument::Cell(int column, int row) const {
    static const std::string kNone;
    return InsideTable(column, row) ? cells_[column][row] : kNone;
}

void EditorDocument::Print(int column, int row, const std::string& text, Ink ink) {
    if (canvas_ != nullptr && !text.empty())
        canvas_->PrintText(CellToPixel(column, row), text, ink);
}

void EditorDocument::PintarCaracter(int column, int row, const std::string& caracter) {
    if (!InsideGrid(column, row)) return;
    std::string& cell = At(column, row);
    if (cell != " ") Print(column, row, cell, Ink::White);
    Print(column, row, caracter, Ink::Black);
    cell = caracter;
}

void EditorDocument::EraseGlyph(int column, int row) {
    if (!InsideTable(column, row)) return;
    Print(column, row, At(column, row), Ink::White);
}

void EditorDocument::LoadEditorText(std::string_view text) {
    int column = 1, row = 1;
    bool afterCarriageReturn = false;
    for (const char c : text) {
        const bool lineFeed = c == '\n';
        if (c == '\r' || (lineFeed && !afterCarriageReturn)) {
            ++row;
            column = 1;
        } else if (!lineFeed) {
            // Past the last row nothing more can be painted.
            if (row > kLastPaintableRow) break;
            PintarCaracter(column, row, std::string(1, c));
            ++column;
        }
        afterCarriageReturn = c == '\r';
    }
}

void EditorDocument::DrawBox(int x1, int x2, int y1, int y2, bool fill,
                             const std::string& character) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    // The corners are multiples of the cell size, so the divisions are exact.
    const int a = x1 / kCellWidth + 1, b = x2 / kCellWidth + 1;
    const int t = y1 / kCellHeight + 1, u = y2 / kCellHeight + 1;
    // Cells outside the table would paint nothing; a drag far outside the
    // canvas must not cost a long walk over them.
    const int firstColumn = std::max(a, 0), lastColumn = std::min(b - 1, kEditorColumns - 1);
    const int firstRow = std::max(t, 0), lastRow = std::min(u - 1, kEditorRows - 1);
    for (int x = firstColumn; x <= lastColumn; ++x) {
        for (int y = firstRow; y <= lastRow; ++y) {
            const bool side = x == a || x == b - 1;
            const bool edge = y == t || y == u - 1;
            if (side && edge)
                PintarCaracter(x, y, "+");
            else if (side)
                PintarCaracter(x, y, "|");
            else if (edge)
                PintarCaracter(x, y, "-");
            else if (fill)
                PintarCaracter(x, y, character);
        }
    }
}

void EditorDocument::FloodFill(int column, int row, const std::string& character) {
    if (!InsideTable(column, row)) return;
    const std::string target = At(column, row);
    // Painting the target over itself would change nothing, and the region
    // could never be told from the cells already filled.
    if (character == target) return;

    // Every cell enters the queue at most once. Cells of row 75 take part in
    // the region (they are part of the table) although they cannot be painted.
    std::vector<bool> queued(kEditorColumns * kEditorRows, false);
    std::deque<GridCell> queue;
    auto visit = [&](int x, int y) {
        if (!InsideTable(x, y) || queued[x * kEditorRows + y] || At(x, y) != target) return;
        queued[x * kEditorRows + y] = true;
        PintarCaracter(x, y, character);
        queue.push_back({x, y});
    };
    visit(column, row);
    while (!queue.empty()) {
        const GridCell c = queue.front();
        queue.pop_front();
        visit(c.column + 1, c.row);
        visit(c.column - 1, c.row);
        visit(c.column, c.row + 1);
        visit(c.column, c.row - 1);
    }
}

void EditorDocument::ReplaceCharacter(const std::string& from, const std::string& to) {
    for (int x = 0; x < kEditorColumns; ++x)
        for (int y = 0; y < kEditorRows; ++y)
            if (At(x, y) == from) PintarCaracter(x, y, to);
}

void EditorDocument::ClearScreen() {
    if (canvas_ != nullptr) canvas_->ClearCanvas();
    // Column 100 is cleared too: a character left there, out of sight on the
    // cleared canvas, would come back through the next mirror, case change
    // or save.
    for (int x = 0; x < kEditorColumns; ++x)
        for (int y = 0; y <= kLastPaintableRow; ++y) At(x, y).assign(1, ' ');
}

}  // namespace glifora
