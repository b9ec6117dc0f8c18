#include "filters/frm_efect_config.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

#include "filters/throttled_progress.h"
#include "platform/object_names.h"
#include "platform/qt_raster.h"

namespace glifora {

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
    TakeWorkingCopy();
    FitPreview();
}

void frmEfectConfig::Unload() {
    loaded_ = false;
    currentEffect_ = 0;
    hide();
}

void frmEfectConfig::CargarEfecto(int Efecto) {
    currentEffect_ = Efecto;
    if (Efecto >= kFirstEffect && Efecto <= kLastEffect) {
        const EffectSetting& s = EffectSettings()[static_cast<size_t>(Efecto)];
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
    FitPreview();
}

void frmEfectConfig::TakeWorkingCopy() {
    picture1_ = host_.Displayed();
    Picture1->resize(picture1_.Width(), picture1_.Height());
}

void frmEfectConfig::OnSliderChanged(int value) {
    // Every preview starts from the unfiltered picture: strengths never add up.
    TakeWorkingCopy();
    prgBar1->show();
    // Refused while another filter runs; the preview then shows the copy.
    engine_.ApplyEffect(currentEffect_, picture1_, value, *progress_);
    prgBar1->hide();
    FitPreview();
    Picture1->update();
}

void frmEfectConfig::FitPreview() {
    const double pw = picture1_.Width(), ph = picture1_.Height();
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
    Image1->setScaledContents(stretch_);
    Image1->resize(static_cast<int>(std::nearbyint(imageWidth_)),
                   static_cast<int>(std::nearbyint(imageHeight_)));
    Image1->setPixmap(picture1_.Empty() ? QPixmap()
                                        : QPixmap::fromImage(ImageFromRaster(picture1_)));
}

void frmEfectConfig::Apply() {
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
