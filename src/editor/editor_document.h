#pragma once
// The editor's document: a table of 101 x 76 one-character texts (columns 0 to
// 100, rows 0 to 75) and the operations that paint into it. The document never
// draws by itself; it tells an EditorCanvas which glyphs to print, so every
// rule can be checked without a window.
//
// Texts are Windows-1252 bytes. A cell holds the empty text until something is
// painted into it; a cleared cell holds a space.

#include <array>
#include <string>
#include <string_view>

namespace glifora {

inline constexpr int kEditorColumns = 101;  // columns 0 to 100
inline constexpr int kEditorRows = 76;      // rows 0 to 75
inline constexpr int kCellWidth = 8;        // W, canvas pixels
inline constexpr int kCellHeight = 12;      // H
inline constexpr int kCanvasWidth = kCellWidth * 100;
inline constexpr int kCanvasHeight = kCellHeight * 75;
// The cells the user sees and paints: columns 1 to 100 of rows 1 to 74.
inline constexpr int kLastVisibleColumn = 100;
inline constexpr int kLastPaintableRow = 74;

struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct CanvasPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

enum class Ink { White, Black };

// What the document needs of the surface that shows it.
class EditorCanvas {
  public:
    virtual ~EditorCanvas() = default;
    // Prints `ansi` with the top-left corner of its text cell at (x, y).
    virtual void PrintText(CanvasPoint at, const std::string& ansi, Ink ink) = 0;
    // Clears to white and draws the light-grey cell grid lines.
    virtual void ClearCanvas() = 0;
    // Inverts the dashed outline of the rectangle with corners a and b; doing
    // it twice with the same corners leaves the canvas as it was.
    virtual void InvertRectangle(CanvasPoint a, CanvasPoint b) = 0;
};

// Top-left pixel of a cell: ((c - 1) W, (r - 1) H).
[[nodiscard]] CanvasPoint CellToPixel(int column, int row);
// The cell under a pixel; both coordinates are rounded first, then
// column = round((x - W/2) / W + 1), row likewise (halves to even).
[[nodiscard]] GridCell PixelToCell(double x, double y);
// Columns 0 to 100, rows 0 to 74.
[[nodiscard]] bool InsideGrid(int column, int row);
// Whether a cell exists in the table at all (rows up to 75).
[[nodiscard]] bool InsideTable(int column, int row);

class EditorDocument {
  public:
    EditorDocument() = default;
    EditorDocument(const EditorDocument&) = delete;
    EditorDocument& operator=(const EditorDocument&) = delete;

    // The canvas that shows the document, or none (nothing is drawn).
    void SetCanvas(EditorCanvas* canvas) { canvas_ = canvas; }
    [[nodiscard]] EditorCanvas* Canvas() const { return canvas_; }

    // The text of a cell; the empty text outside the table.
    [[nodiscard]] const std::string& Cell(int column, int row) const;

    // Paints one cell: the old glyph is wiped (printed in white) unless the cell
    // holds a space, the new one printed in black, and the cell keeps it.
    // Outside the paintable range nothing happens.
    void PintarCaracter(int column, int row, const std::string& caracter);
    // Wipes the glyph shown in a cell; the cell keeps its text.
    void EraseGlyph(int column, int row);
    // Paints a text from column 1, row 1 without clearing first. CR ends a
    // line, an LF right after it belongs to the same line break, a lone LF
    // ends a line too; what falls outside the paintable range is dropped.
    void LoadEditorText(std::string_view text);
    // A box between pixel corners that lie on grid lines: "+" at the corners,
    // "|" down its sides, "-" along top and bottom, and `character` inside
    // when `fill`.
    void DrawBox(int x1, int x2, int y1, int y2, bool fill, const std::string& character);
    // Paints `character` over the region of cells equal to the text of the
    // start cell, joined through their sides. A fill whose character equals
    // its target, or that starts outside the table, does nothing.
    void FloodFill(int column, int row, const std::string& character);
    // Repaints every cell holding `from` (exact comparison) with `to`.
    void ReplaceCharacter(const std::string& from, const std::string& to);
    // White canvas with grid lines; every paintable cell (columns 0 to 100 of
    // rows 0 to 74) becomes a space, so no old character survives a clear.
    // Row 75, never painted, keeps the empty text.
    void ClearScreen();

  private:
    std::string& At(int column, int row) { return cells_[column][row]; }
    void Print(int column, int row, const std::string& text, Ink ink);

    std::array<std::array<std::string, kEditorRows>, kEditorColumns> cells_{};
    EditorCanvas* canvas_ = nullptr;
};

}  // namespace glifora
