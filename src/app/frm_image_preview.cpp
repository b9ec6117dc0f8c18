#include "app/frm_image_preview.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include "app/widgets.h"
#include "platform/scroll_rule.h"

namespace glifora {

frmImagePreview::frmImagePreview(const Raster& picture, QWidget* owner)
    : QDialog(owner, Qt::Tool), picture_(picture) {
    setObjectName("frmImagePreview");
    setWindowTitle("Imagen a tratar");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    picMarco = new QFrame(this);
    picMarco->setObjectName("picMarco");
    picFull = new PictureBox(picMarco);
    picFull->setObjectName("picFull");
    // Where a large picture stands before the first scroll.
    picFull->move(18, 12);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setRange(0, 1000);
        bar->setSingleStep(50);
        bar->setPageStep(500);
        const bool horizontal = bar == HScroll1;
        connect(bar, &QScrollBar::valueChanged, this, [this, horizontal] { Scroll(horizontal); });
    }
}

void frmImagePreview::Open() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    show();
}

void frmImagePreview::resizeEvent(QResizeEvent*) {
    const int sw = width(), sh = height();
    const int barW = VScroll1->sizeHint().width(), barH = HScroll1->sizeHint().height();
    HScroll1->setGeometry(0, sh - barH, sw - barW, barH);
    VScroll1->setGeometry(sw - barW, 0, barW, sh);
    picMarco->setGeometry(0, 0, sw, sh);
    copy_ = picture_;
    picFull->Show(&copy_);
    const int pw = copy_.Width(), ph = copy_.Height();
    if (sh - barH < ph) {
        VScroll1->setEnabled(true);
    } else {
        VScroll1->setEnabled(false);
        picFull->move(picFull->x(), static_cast<int>(sh / 2.0 - ph / 2.0));
    }
    if (sw - barW < pw) {
        HScroll1->setEnabled(true);
    } else {
        HScroll1->setEnabled(false);
        picFull->move(static_cast<int>(sw / 2.0 - pw / 2.0), picFull->y());
    }
    HScroll1->raise();
    VScroll1->raise();
}

void frmImagePreview::Scroll(bool horizontal) {
    if (horizontal)
        picFull->move(HorizontalScrollOffset(copy_.Width(), HScroll1->value(), HScroll1->maximum()),
                      picFull->y());
    else
        picFull->move(picFull->x(),
                      VerticalScrollOffset(copy_.Height(), VScroll1->value(), VScroll1->maximum()));
}

}  // namespace glifora
