#include "app/text_art_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>

#include "app/widgets.h"
#include "platform/arith.h"
#include "platform/object_names.h"
#include "textart/glyph_table.h"

namespace glifora {

TextArtPanel::TextArtPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("mrcAscii");
    setGeometry(4, 322, 301, 195);
    Caption(this, "Paleta de texto", 8, 8);
    cboPaletas = Named(new QComboBox(this), "cboPaletas");
    cboPaletas->setGeometry(104, 4, 192, 22);
    for (const Palette& palette : kPalettes) cboPaletas->addItem(QString::fromUtf8(palette.name));

    Caption(this, QStringLiteral("Tamaño"), 8, 36);
    lblTamañoAsciiMin = Named(new ClickLabel("Min", this), "lblTamañoAsciiMin");
    lblTamañoAsciiMin->setGeometry(72, 36, 24, 16);
    sldTamaño = TickSlider(this, "sldTamaño", 1, 100, 50, QRect(100, 30, 160, 24));
    lblTamañoAsciiMax = Named(new ClickLabel("Max", this), "lblTamañoAsciiMax");
    lblTamañoAsciiMax->setGeometry(266, 36, 28, 16);
    lbl100 = Named(new ClickLabel("", this), "lbl100");
    lbl100->setGeometry(174, 54, 8, 6);
    lbl100->setToolTip("50%");

    Caption(this, "Luminosidad", 8, 66);
    sldLuminosidad = TickSlider(this, "sldLuminosidad", -100, 100, 0, QRect(100, 60, 160, 24));
    Label1 = Named(new ClickLabel("", this), "Label1");
    Label1->setGeometry(174, 84, 8, 6);
    Label1->setToolTip("0");

    Caption(this, "Color del texto", 8, 96);
    lblAsciiForeColor = Named(new ClickLabel("", this), "lblAsciiForeColor");
    lblAsciiForeColor->setGeometry(100, 95, 22, 16);
    Caption(this, "Color del fondo", 160, 96);
    lblAsciiBackcolor = Named(new ClickLabel("", this), "lblAsciiBackcolor");
    lblAsciiBackcolor->setGeometry(264, 95, 22, 16);

    chkAsciiNegativo = Named(new QCheckBox("AsciiArt Negativado", this), "chkAsciiNegativo");
    chkAsciiNegativo->setGeometry(8, 116, 150, 18);
    // The detail conversion: glyph shapes matched to the picture's cells.
    chkMasDetalle = Named(new QCheckBox(QStringLiteral("Más detalle"), this), "chkMasDetalle");
    chkMasDetalle->setGeometry(170, 116, 120, 18);
    chkAsciiPrev =
        Named(new QCheckBox("Previsualizar el AsciiArt tras generarlo", this), "chkAsciiPrev");
    chkAsciiPrev->setGeometry(8, 136, 280, 18);

    mrcAnimArt = SettingsFrame(this, "mrcAnimArt", QRect(4, 157, 293, 34));
    chkAnimArt = Named(new QCheckBox("Generar AnimArt del GIF", mrcAnimArt), "chkAnimArt");
    chkAnimArt->setGeometry(6, 8, 180, 18);
    cmdGIFAvance = Named(new QPushButton("Avanzado >>", mrcAnimArt), "cmdGIFAvance");
    cmdGIFAvance->setGeometry(196, 5, 92, 24);
    cmdGIFAvance->setEnabled(false);

    for (QCheckBox* box : {chkAsciiNegativo, chkMasDetalle, chkAsciiPrev, chkAnimArt}) {
        QPalette p = box->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        box->setPalette(p);
    }
    connect(cboPaletas, &QComboBox::activated, this, &TextArtPanel::paletteChosen);
    connect(cmdGIFAvance, &QPushButton::clicked, this, &TextArtPanel::framesClicked);
    connect(chkAsciiNegativo, &QCheckBox::clicked, this, &TextArtPanel::negativeClicked);
    connect(chkMasDetalle, &QCheckBox::clicked, this, &TextArtPanel::detailClicked);
    connect(sldLuminosidad, &QSlider::valueChanged, this, &TextArtPanel::luminosityChanged);
    connect(sldTamaño, &QSlider::valueChanged, this, &TextArtPanel::sizeChanged);
    auto sizeLabel = [this](ClickLabel* label, auto value) {
        connect(label, &ClickLabel::clicked, this, [this, value] {
            sldTamaño->setValue(value());
            emit sizeChosen();
        });
    };
    sizeLabel(lblTamañoAsciiMax, [this] { return sldTamaño->maximum(); });
    sizeLabel(lblTamañoAsciiMin, [this] { return sldTamaño->minimum(); });
    sizeLabel(lbl100, [this] { return RoundToInt(sldTamaño->maximum() / 2.0 + 1); });
    connect(Label1, &ClickLabel::clicked, this, [this] { sldLuminosidad->setValue(0); });
    connect(lblAsciiForeColor, &ClickLabel::clicked, this, &TextArtPanel::foreColorClicked);
    connect(lblAsciiBackcolor, &ClickLabel::clicked, this, &TextArtPanel::backColorClicked);
}

void TextArtPanel::Fill(TextArtSettings& settings) const {
    settings.luminosity = sldLuminosidad->value();
}

}  // namespace glifora
