#include "editor/editor_canvas_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/ansi.h"

namespace glifora {

EditorCanvasView::EditorCanvasView(QWidget* parent)
    : QWidget(parent), image_(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32) {
    setObjectName("picDraw");
    setFixedSize(kCanvasWidth, kCanvasHeight);
    setMouseTracking(true);  // "Libre" follows the mouse with no button held
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(Qt::white);
}

void EditorCanvasView::PrintText(CanvasPoint at, const std::string& ansi, Ink ink) {
    if (ansi.empty()) return;
    const QString text = AnsiToUnicode(ansi);
    const QFontMetrics metrics(font_);
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(ink == Ink::Black ? Qt::black : Qt::white);
    p.drawText(at.x, at.y + metrics.ascent(), text);
    p.end();
    // Generous: italic overhangs and wide fallback glyphs reach past the advance.
    update(at.x - metrics.height(), at.y - 1,
           metrics.horizontalAdvance(text) + 2 * metrics.height(), metrics.height() + 2);
}

void EditorCanvasView::ClearCanvas() {
    image_.fill(Qt::white);
    DrawCellGrid();
}

void EditorCanvasView::DrawCellGrid() {
    QPainter p(&image_);
    p.setPen(QColor(0xE0, 0xE0, 0xE0));
    for (int i = 0; i <= 101; ++i) p.drawLine(kCellWidth * i, 0, kCellWidth * i, kCanvasHeight);
    for (int j = 0; j <= 76; ++j) p.drawLine(0, kCellHeight * j, kCanvasWidth, kCellHeight * j);
    p.end();
    update();
}

void EditorCanvasView::InvertRectangle(CanvasPoint a, CanvasPoint b) {
    QPainter p(&image_);
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::black, 0, Qt::DashLine));
    const QRect box = QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized();
    // A degenerate box is a line or a point; the outline of a rectangle would
    // visit its pixels twice and invert them back.
    if (box.width() == 1 || box.height() == 1)
        p.drawLine(box.topLeft(), box.bottomRight());
    else
        p.drawRect(box.adjusted(0, 0, -1, -1));
    p.end();
    update(box.adjusted(-1, -1, 1, 1));
}

void EditorCanvasView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

void EditorCanvasView::mousePressEvent(QMouseEvent* event) {
    if (onMouse) onMouse(MouseAction::Down, event->button(), event->position());
}

void EditorCanvasView::mouseMoveEvent(QMouseEvent* event) {
    if (onMouse) onMouse(MouseAction::Move, event->buttons(), event->position());
}

void EditorCanvasView::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouse) onMouse(MouseAction::Up, event->button(), event->position());
}

}  // namespace glifora
