#pragma once
// The text-art settings panel (mrcAscii): palette, size, luminosity, colours,
// negative and preview options, and the GIF animation frame. The panel moves
// its own sliders for the Min/Max/100% labels; what a change means for the
// conversion is the window's business, told through the signals.

#include <QFrame>

#include "textart/text_art_job.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;

namespace glifora {

class ClickLabel;

class TextArtPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TextArtPanel(QWidget* parent);

    // The options the controls hold: luminosity now; the rest comes from the
    // session and the window.
    void Fill(TextArtSettings& settings) const;

    QComboBox* cboPaletas = nullptr;
    QSlider* sldTamaño = nullptr;
    ClickLabel* lblTamañoAsciiMin = nullptr;
    ClickLabel* lblTamañoAsciiMax = nullptr;
    ClickLabel* lbl100 = nullptr;
    QSlider* sldLuminosidad = nullptr;
    ClickLabel* Label1 = nullptr;
    ClickLabel* lblAsciiForeColor = nullptr;
    ClickLabel* lblAsciiBackcolor = nullptr;
    QCheckBox* chkAsciiNegativo = nullptr;
    QCheckBox* chkMasDetalle = nullptr;
    QCheckBox* chkAsciiPrev = nullptr;
    QFrame* mrcAnimArt = nullptr;
    QCheckBox* chkAnimArt = nullptr;
    QPushButton* cmdGIFAvance = nullptr;

  signals:
    void paletteChosen(int index);
    void negativeClicked();
    void detailClicked();
    void luminosityChanged();
    void sizeChanged();
    // A size label was clicked (the slider may already have been there).
    void sizeChosen();
    void foreColorClicked();
    void backColorClicked();
    void framesClicked();
};

}  // namespace glifora
