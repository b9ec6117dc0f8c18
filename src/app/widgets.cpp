#include "app/widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSlider>

#include "platform/object_names.h"
#include "platform/qt_raster.h"

namespace glifora {

QColor ToQColor(ColorValue c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::SetSwatch(ColorValue color) {
    swatch_ = color;
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(color));
    setPalette(p);
    setFrameShape(QFrame::Box);
    update();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::Show(const Raster* raster) {
    raster_ = raster;
    const QSize size =
        raster && !raster->Empty() ? QSize(raster->Width(), raster->Height()) : QSize(0, 0);
    resize(size);
    update();
}

void PictureBox::RepaintNow() {
    repaint();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!raster_ || raster_->Empty()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, ImageView(*raster_));
}

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w, int h) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w ? w : label->sizeHint().width(), h);
    return label;
}

QFrame* SettingsFrame(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = Named(new QFrame(parent), name);
    frame->setGeometry(geometry);
    return frame;
}

QSlider* TickSlider(QWidget* parent, const char* name, int lo, int hi, int value,
                    const QRect& geometry) {
    auto* s = Named(new QSlider(Qt::Horizontal, parent), name);
    s->setRange(lo, hi);
    s->setValue(value);
    s->setGeometry(geometry);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(hi - lo > 10 ? (hi - lo) / 10 : 1);
    return s;
}

}  // namespace glifora
