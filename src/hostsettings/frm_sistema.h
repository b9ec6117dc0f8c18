#pragma once
// frmSistema, "Configuración de aplicaciones del sistema": the text editor's
// font, size and word wrap and the browser's text size, read afresh at every
// opening. Only the browser size is written, at the moment it is chosen.

#include <QDialog>
#include <optional>

#include "hostsettings/value_store.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace glifora {

class frmSistema : public QDialog {
    Q_OBJECT
  public:
    explicit frmSistema(ValueStore store, QWidget* parent = nullptr);

    QLabel* lblExplicacion = nullptr;
    QLabel* imgSistema = nullptr;
    QGroupBox* mrcExplorer = nullptr;
    QLabel* imgExplorer = nullptr;
    QLabel* imgNotePad = nullptr;
    QLabel* lblETamaño = nullptr;
    QComboBox* cboESize = nullptr;
    QGroupBox* mrcNotePad = nullptr;
    QLabel* lblNFuente = nullptr;
    QLabel* lblNFont = nullptr;
    QLabel* lblNTamaño = nullptr;
    QLabel* lblNSize = nullptr;
    QLabel* lblNAjuste = nullptr;
    QCheckBox* chkNAjuste = nullptr;

    [[nodiscard]] const ValueStore& Store() const { return store_; }

  private:
    // Fills the panel from the store; selecting the stored browser size
    // writes it back, as a choice of the user would.
    void Load();
    // Grows the explanation to its whole text and moves the rest below it.
    void FitExplanation();
    // cboESize's click: stores the selected size.
    void OnSizeClicked();
    // chkNAjuste's click: shows the stored state again.
    void OnWrapClicked();
    void ShowWordWrap(std::optional<int> state);

    ValueStore store_;
    Qt::CheckState shownWrap_ = Qt::Unchecked;
};

}  // namespace glifora
