#include "app/picture_panel.h"

#include <QFrame>
#include <QScrollBar>

#include "app/widgets.h"
#include "app/working_picture.h"
#include "platform/object_names.h"
#include "platform/scroll_rule.h"

namespace glifora {

PicturePanel::PicturePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("picturePanel");
    constexpr int kBar = 17;
    resize(kFrameWidth + kBar, kFrameHeight + kBar);
    picMarco = Named(new QFrame(this), "picMarco");
    picMarco->setGeometry(0, 0, kFrameWidth, kFrameHeight);
    picMarco->setAutoFillBackground(true);
    QPalette p = picMarco->palette();
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    picMarco->setPalette(p);
    picMain = Named(new PictureBox(picMarco), "picMain");
    picMain->move(0, 0);

    VScroll1 = Named(new QScrollBar(Qt::Vertical, this), "VScroll1");
    VScroll1->setGeometry(kFrameWidth, 0, kBar, kFrameHeight);
    HScroll1 = Named(new QScrollBar(Qt::Horizontal, this), "HScroll1");
    HScroll1->setGeometry(0, kFrameHeight, kFrameWidth, kBar);
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setRange(0, 4096);
        bar->setSingleStep(128);
        bar->setPageStep(1024);
        const bool horizontal = bar == HScroll1;
        connect(bar, &QScrollBar::valueChanged, this, [this, horizontal] { OnScroll(horizontal); });
    }
}

void PicturePanel::Show(const Raster* raster, bool now) {
    raster_ = raster;
    picMain->Show(raster);
    if (now) picMain->RepaintNow();
}

void PicturePanel::UpdateBars() {
    const int width = raster_ ? raster_->Width() : 0;
    const int height = raster_ ? raster_->Height() : 0;
    HScroll1->setEnabled(width > kFrameWidth);
    VScroll1->setEnabled(height > kFrameHeight);
}

void PicturePanel::OnScroll(bool horizontal) {
    if (!raster_) return;
    // Each bar moves the picture in its own direction only.
    if (horizontal)
        picMain->move(EdgeScrollOffset(raster_->Width(), HScroll1->value(), HScroll1->maximum(),
                                       kFrameWidth, 6),
                      picMain->y());
    else
        picMain->move(picMain->x(), EdgeScrollOffset(raster_->Height(), VScroll1->value(),
                                                     VScroll1->maximum(), kFrameHeight, 12));
}

}  // namespace glifora
