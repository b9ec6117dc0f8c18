#include "app/web_art_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QToolBar>

#include "app/icons.h"
#include "app/widgets.h"
#include "platform/ansi.h"
#include "platform/object_names.h"

namespace glifora {
namespace {

struct Border {
    const char* key;
    const char* tip;
    IconKind icon;
};
constexpr Border kBorders[] = {{"WebBArriba", "Borde superior", IconKind::BorderTop},
                               {"WebBAbajo", "Borde inferior", IconKind::BorderBottom},
                               {"WebBDerecha", "Borde derecho", IconKind::BorderRight},
                               {"WebBIzquierda", "Borde izquierdo", IconKind::BorderLeft}};

}  // namespace

WebArtPanel::WebArtPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("mrcWeb");
    setGeometry(310, 322, 301, 195);
    Caption(this, "Paleta de texto", 8, 8);
    cboPaletaWeb = Named(new QComboBox(this), "cboPaletaWeb");
    cboPaletaWeb->setGeometry(104, 4, 192, 22);
    cboPaletaWeb->addItems({"Binaria (0-1)", "Texto del usuario"});
    Caption(this, "Texto", 8, 36);
    txtPaletaWeb = Named(new QLineEdit(this), "txtPaletaWeb");
    txtPaletaWeb->setGeometry(104, 32, 192, 22);
    Caption(this, "Color del fondo", 8, 62);
    lblWebBackColor = Named(new ClickLabel("", this), "lblWebBackColor");
    lblWebBackColor->setGeometry(104, 61, 22, 16);
    Caption(this, QStringLiteral("Añadir Bordes"), 8, 84);
    TBBordesWeb = Named(new QToolBar(this), "TBBordesWeb");
    TBBordesWeb->setGeometry(100, 78, 124, 26);
    TBBordesWeb->setIconSize(QSize(16, 16));
    TBBordesWeb->setMovable(false);
    TBBordesWeb->setAutoFillBackground(true);
    for (const Border& b : kBorders) {
        QAction* a = TBBordesWeb->addAction(ToolIcon(b.icon), QString::fromUtf8(b.tip));
        a->setObjectName(b.key);
        a->setCheckable(true);
    }
    // One line at the panel's own size under the borders it explains.
    lblBordesNota =
        Caption(this, QStringLiteral("(Sólo para copia exacta de imagen)"), 8, 104, 288, 14);
    lblBordesNota->setObjectName("lblBordesNota");
    Caption(this, QStringLiteral("Tamaño"), 8, 124);
    lblTamañowebMin = Named(new ClickLabel("Min", this), "lblTamañowebMin");
    lblTamañowebMin->setGeometry(72, 124, 24, 16);
    sldWTamaño = TickSlider(this, "sldWTamaño", 1, 5, 3, QRect(100, 118, 160, 24));
    lblTamañowebMax = Named(new ClickLabel("Max", this), "lblTamañowebMax");
    lblTamañowebMax->setGeometry(266, 124, 28, 16);
    chkWebCalidad = Named(new QCheckBox(this), "chkWebCalidad");
    chkWebCalidad->setGeometry(8, 148, 18, 18);
    Caption(this, "Copia exacta de la imagen", 28, 149);
    chkWebArtPrev = Named(new QCheckBox(this), "chkWebArtPrev");
    chkWebArtPrev->setGeometry(8, 170, 18, 18);
    Caption(this, "Previsualizar el WebArt tras generarlo", 28, 171);

    connect(cboPaletaWeb, &QComboBox::activated, this, &WebArtPanel::OnPaletteChosen);
    connect(chkWebCalidad, &QCheckBox::clicked, this, &WebArtPanel::OnQualityClicked);
    TBBordesWeb->setEnabled(false);
    connect(lblWebBackColor, &ClickLabel::clicked, this, &WebArtPanel::backColorClicked);
    connect(lblTamañowebMax, &ClickLabel::clicked, this,
            [this] { sldWTamaño->setValue(sldWTamaño->maximum()); });
    connect(lblTamañowebMin, &ClickLabel::clicked, this,
            [this] { sldWTamaño->setValue(sldWTamaño->minimum()); });
    hide();
}

void WebArtPanel::OnPaletteChosen(int index) {
    txtPaletaWeb->setEnabled(index == 1);
    if (index == 1) txtPaletaWeb->setFocus();
}

void WebArtPanel::OnQualityClicked() {
    const bool quality = chkWebCalidad->isChecked();
    if (quality) sldWTamaño->setValue(sldWTamaño->maximum());
    TBBordesWeb->setEnabled(quality);
    cboPaletaWeb->setEnabled(!quality);
    txtPaletaWeb->setEnabled(!quality);
}

WebArtSettings WebArtPanel::Settings() const {
    WebArtSettings settings;
    settings.quality = chkWebCalidad->checkState() != Qt::Unchecked;
    settings.palette = cboPaletaWeb->currentIndex();
    settings.userText = UnicodeToAnsi(txtPaletaWeb->text());
    settings.size = sldWTamaño->value();
    auto pressed = [this](const char* key) {
        QAction* a = TBBordesWeb->findChild<QAction*>(key);
        return a && a->isChecked();
    };
    settings.borders.top = pressed("WebBArriba");
    settings.borders.bottom = pressed("WebBAbajo");
    settings.borders.left = pressed("WebBIzquierda");
    settings.borders.right = pressed("WebBDerecha");
    settings.preview = chkWebArtPrev->isChecked();
    return settings;
}

}  // namespace glifora
