#include "app/frm_opc_algoritmo.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace glifora {

frmOpcAlgoritmo::frmOpcAlgoritmo(QWidget* owner) : QWidget(owner) {
    setObjectName("frmOpcAlgoritmo");
    setWindowTitle("Opciones del algoritmo");
    hide();
    auto* layout = new QHBoxLayout(this);
    chkRelleno = new QCheckBox("Relleno", this);
    chkRelleno->setObjectName("chkRelleno");
    cmd3 = new QPushButton("Ejecutar", this);
    cmd3->setObjectName("cmd3");
    chkMasDetalle = new QCheckBox(QStringLiteral("Más detalle"), this);
    chkMasDetalle->setObjectName("chkMasDetalle");
    layout->addWidget(chkRelleno);
    layout->addWidget(chkMasDetalle);
    connect(chkMasDetalle, &QCheckBox::clicked, this, &frmOpcAlgoritmo::detailToggled);
    layout->addWidget(cmd3);
    connect(cmd3, &QPushButton::clicked, this, &frmOpcAlgoritmo::runOutline);
}

}  // namespace glifora
