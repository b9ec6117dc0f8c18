#pragma once
// The web-art settings panel (mrcWeb): palette and its text, background
// colour, borders (quality mode only), size, quality and preview options.
// The quality option's side effects on the other controls live here.

#include <QFrame>

#include "webart/webart_writer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QToolBar;

namespace glifora {

class ClickLabel;

class WebArtPanel : public QFrame {
    Q_OBJECT
  public:
    explicit WebArtPanel(QWidget* parent);

    // The page settings the controls hold now.
    [[nodiscard]] WebArtSettings Settings() const;

    QComboBox* cboPaletaWeb = nullptr;
    QLineEdit* txtPaletaWeb = nullptr;
    ClickLabel* lblWebBackColor = nullptr;
    QToolBar* TBBordesWeb = nullptr;
    QLabel* lblBordesNota = nullptr;
    QSlider* sldWTamaño = nullptr;
    ClickLabel* lblTamañowebMin = nullptr;
    ClickLabel* lblTamañowebMax = nullptr;
    QCheckBox* chkWebCalidad = nullptr;
    QCheckBox* chkWebArtPrev = nullptr;

  signals:
    void backColorClicked();

  private:
    void OnPaletteChosen(int index);
    void OnQualityClicked();
};

}  // namespace glifora
