#include "app/frm_opc_algoritmo.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

namespace glifora {

frmOpcAlgoritmo::frmOpcAlgoritmo(QWidget* owner) : QWidget(owner) {
    setObjectName("frmOpcAlgoritmo");
    setWindowTitle("Opciones del algoritmo");
    hide();
    // The window shows the panel on its navy strip: it paints the desktop's
    // own light background so that its dark texts read, as the toolbars do.
    QPalette light = QApplication::palette(this);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        light.setColor(role, light.color(role));  // set, so not taken from the window
    setPalette(light);
    setAutoFillBackground(true);
    // Shown inside the window's 200 x 44 strip: the two options one above
    // the other, the button beside them.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setVerticalSpacing(0);
    chkRelleno = new QCheckBox("Relleno", this);
    chkRelleno->setObjectName("chkRelleno");
    cmd3 = new QPushButton("Ejecutar", this);
    cmd3->setObjectName("cmd3");
    chkMasDetalle = new QCheckBox(QStringLiteral("Más detalle"), this);
    chkMasDetalle->setObjectName("chkMasDetalle");
    layout->addWidget(chkRelleno, 0, 0);
    layout->addWidget(chkMasDetalle, 1, 0);
    connect(chkMasDetalle, &QCheckBox::clicked, this, &frmOpcAlgoritmo::detailToggled);
    layout->addWidget(cmd3, 0, 1, 2, 1);
    connect(cmd3, &QPushButton::clicked, this, &frmOpcAlgoritmo::runOutline);
}

}  // namespace glifora
