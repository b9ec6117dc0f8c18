#include "filters/frm_efect_config.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "filters/throttled_progress.h"
#include "platform/object_names.h"
#include "platform/qt_raster.h"

namespace glifora {
namespace {

// `picture` shrunk to w x h for the preview box: each preview pixel is the
// mean of up to 4 x 4 samples spread over the block of the picture it covers,
// so a preview of a huge picture reads a few hundred thousand pixels, not all.
QImage PreviewImage(const Raster& picture, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    const int pw = picture.Width(), ph = picture.Height();
    const int sx = std::clamp(pw / w, 1, 4), sy = std::clamp(ph / h, 1, 4);
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<uint8_t*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            unsigned sum[3] = {0, 0, 0};
            for (int j = 0; j < sy; ++j) {
                const int64_t py = (int64_t{y} * sy + j) * ph / (int64_t{h} * sy);
                const uint8_t* row = picture.Row(static_cast<int>(py));
                for (int i = 0; i < sx; ++i) {
                    const int64_t px = (int64_t{x} * sx + i) * pw / (int64_t{w} * sx);
                    const uint8_t* p = row + 4 * px;
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                }
            }
            const unsigned n = static_cast<unsigned>(sx * sy);
            out[4 * x] = static_cast<uint8_t>(sum[0] / n);
            out[4 * x + 1] = static_cast<uint8_t>(sum[1] / n);
            out[4 * x + 2] = static_cast<uint8_t>(sum[2] / n);
            out[4 * x + 3] = 255;
        }
    }
    return image;
}

}  // namespace

frmEfectConfig::frmEfectConfig(EffectHost& host, FilterEngine& engine, QWidget* parent)
    : QDialog(parent), host_(host), engine_(engine) {
    setObjectName("frmEfectConfig");
    setWindowTitle(QString::fromUtf8("Parámetros del filtro"));
    setModal(false);
    setFixedSize(360, 250);

    Label3 = Named(new QLabel(QString::fromUtf8("Intensidad:"), this), "Label3");
    Label3->setGeometry(12, 12, 160, 18);
    sldEfecto = Named(new QSlider(Qt::Horizontal, this), "sldEfecto");
    sldEfecto->setGeometry(12, 34, 160, 24);
    Label1 = Named(new QLabel(QString::fromUtf8("Min."), this), "Label1");
    Label1->setGeometry(12, 60, 40, 16);
    Label2 = Named(new QLabel(QString::fromUtf8("Max."), this), "Label2");
    Label2->setGeometry(140, 60, 40, 16);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRango = Named(new QLabel(this), "lblRango");
    lblRango->setGeometry(12, 84, 170, 18);
    prgBar1 = Named(new QProgressBar(this), "prgBar1");
    prgBar1->setGeometry(12, 110, 160, 16);
    prgBar1->setRange(0, 100);
    prgBar1->hide();
    cmdApply = Named(new QPushButton(QString::fromUtf8("Aplicar"), this), "cmdApply");
    cmdApply->setGeometry(12, 180, 76, 28);
    cmdCancel = Named(new QPushButton(QString::fromUtf8("Cancelar"), this), "cmdCancel");
    cmdCancel->setGeometry(96, 180, 76, 28);
    Image1 = Named(new QLabel(this), "Image1");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(190, 12, kPreviewBox, kPreviewBox);
    // The full-size copy lies outside the visible client area.
    Picture1 = Named(new QWidget(this), "Picture1");
    Picture1->hide();

    progress_ = std::make_unique<ThrottledProgress>([this](int v) { prgBar1->setValue(v); },
                                                    [] { QCoreApplication::processEvents(); },
                                                    [this](bool v) { prgBar1->setVisible(v); });

    connect(sldEfecto, &QSlider::valueChanged, this, [this](int v) { OnSliderChanged(v); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { Apply(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { Unload(); });
}

frmEfectConfig::~frmEfectConfig() = default;

void frmEfectConfig::Open() {
    if (!loaded_) Load();
    show();
    raise();
}

void frmEfectConfig::Load() {
    loaded_ = true;
    currentEffect_ = 0;
    {
        // The designed state: slider at 0, preview box 155 x 155.
        const QSignalBlocker quiet(sldEfecto);
        sldEfecto->setRange(0, 10);
        sldEfecto->setValue(0);
    }
    imageWidth_ = imageHeight_ = kPreviewBox;
    stretch_ = false;
    lblRango->clear();
    // The engine loads an effect (CargarEfecto) right after, which takes the
    // copy; until then the preview shows the working picture itself.
    FitPreview(host_.Shown());
}

void frmEfectConfig::Unload() {
    loaded_ = false;
    currentEffect_ = 0;
    applyPending_ = false;
    pendingValue_.reset();
    if (!previewing_) picture1_ = Raster();
    hide();
}

void frmEfectConfig::CargarEfecto(int Efecto) {
    currentEffect_ = Efecto;
    if (const Effect* effect = FindEffect(Efecto)) {
        const EffectSetting s = EffectSettingOf(effect->code);
        // The slider moves its value into the new range itself; that is not a
        // strength chosen by the user, so nothing is filtered.
        const QSignalBlocker quiet(sldEfecto);
        sldEfecto->setMinimum(s.Minimum);
        sldEfecto->setMaximum(s.Maximum);
    }
    TakeWorkingCopy();
    lblRango->setText(QString::fromUtf8("Rango del filtro: ") +
                      QString::number(sldEfecto->minimum()) + " , " +
                      QString::number(sldEfecto->maximum()));
    FitPreview(picture1_);
}

void frmEfectConfig::TakeWorkingCopy() {
    const Raster& shown = host_.Shown();
    // The same size: the copy's memory is reused rather than freshly allocated.
    if (shown.Width() == picture1_.Width() && shown.Height() == picture1_.Height() &&
        !shown.Empty())
        std::memcpy(picture1_.Bytes(), shown.Bytes(), shown.ByteCount());
    else
        picture1_ = shown;
    Picture1->resize(picture1_.Width(), picture1_.Height());
}

void frmEfectConfig::OnSliderChanged(int value) {
    if (previewing_) {  // this run's copy is in use: preview the last value after it
        pendingValue_ = value;
        return;
    }
    previewing_ = true;
    for (std::optional<int> next = value; next && loaded_;
         next = std::exchange(pendingValue_, {})) {
        // Every preview starts from the unfiltered picture: strengths never add up.
        TakeWorkingCopy();
        prgBar1->show();
        // Refused while another filter runs; the preview then shows the copy.
        engine_.ApplyEffect(currentEffect_, picture1_, *next,
                            testProgress_ ? *testProgress_ : *progress_);
        prgBar1->hide();
    }
    previewing_ = false;
    pendingValue_.reset();
    if (!loaded_) {  // unloaded during the run
        picture1_ = Raster();
        return;
    }
    FitPreview(picture1_);
    Picture1->update();
    if (std::exchange(applyPending_, false)) Apply();
}

void frmEfectConfig::FitPreview(const Raster& picture) {
    const double pw = picture.Width(), ph = picture.Height();
    if (pw > imageWidth_ || ph > imageHeight_) {
        stretch_ = true;
        if (ph > pw)
            imageWidth_ = imageHeight_ * pw / ph;
        else
            imageHeight_ = imageWidth_ * ph / pw;
    } else {
        imageWidth_ = imageHeight_ = kPreviewBox;
        stretch_ = false;
    }
    ShowPreview(picture);
}

void frmEfectConfig::ShowPreview(const Raster& picture) {
    const int w = static_cast<int>(std::nearbyint(imageWidth_));
    const int h = static_cast<int>(std::nearbyint(imageHeight_));
    Image1->setScaledContents(stretch_);
    Image1->resize(w, h);
    // A stretched preview is shrunk here, at the size it is shown, instead of
    // converting the whole picture and letting the label scale it.
    if (picture.Empty())
        Image1->setPixmap(QPixmap());
    else if (stretch_ && w > 0 && h > 0)
        Image1->setPixmap(QPixmap::fromImage(PreviewImage(picture, w, h)));
    else
        Image1->setPixmap(QPixmap::fromImage(ImageFromRaster(picture)));
}

void frmEfectConfig::Apply() {
    if (previewing_) {  // the copy is still being filtered: apply it when done
        applyPending_ = true;
        return;
    }
    host_.AssignPicture(picture1_);
    Unload();
}

void frmEfectConfig::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

void frmEfectConfig::reject() {
    Unload();
}

}  // namespace glifora
