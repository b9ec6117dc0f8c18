#pragma once
// "Opciones del algoritmo": the fill option and the button that runs the
// outline conversion.

#include <QWidget>

class QCheckBox;
class QPushButton;

namespace glifora {

class frmOpcAlgoritmo : public QWidget {
    Q_OBJECT
  public:
    explicit frmOpcAlgoritmo(QWidget* owner);
    QCheckBox* chkRelleno = nullptr;
    QCheckBox* chkMasDetalle = nullptr;
    QPushButton* cmd3 = nullptr;
  signals:
    void runOutline();
    void detailToggled(bool checked);
};

}  // namespace glifora
