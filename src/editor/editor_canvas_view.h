#pragma once
// picDraw: the editor's drawing surface. It keeps what is drawn on it in an
// image of 800 x 900 pixels, prints glyphs in the editor font without
// antialiasing (so a glyph printed again in white wipes exactly what it
// inked), and passes mouse events on to its window.

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

#include "editor/editor_document.h"
#include "editor/editor_tools.h"

namespace glifora {

class EditorCanvasView final : public QWidget, public EditorCanvas {
    Q_OBJECT
  public:
    explicit EditorCanvasView(QWidget* parent = nullptr);

    void SetGlyphFont(const QFont& font) { font_ = font; }
    [[nodiscard]] const QFont& GlyphFont() const { return font_; }
    [[nodiscard]] const QImage& Image() const { return image_; }

    void PrintText(CanvasPoint at, const std::string& ansi, Ink ink) override;
    void ClearCanvas() override;
    void InvertRectangle(CanvasPoint a, CanvasPoint b) override;

    // Light-grey lines between the cells.
    void DrawCellGrid();

    // Called for every mouse event: the action, the button reported (for
    // moves, the buttons held) and the position in canvas pixels.
    std::function<void(MouseAction, Qt::MouseButtons, QPointF)> onMouse;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    QFont font_;
};

}  // namespace glifora
