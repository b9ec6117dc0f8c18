#pragma once
// The picture panel: the working picture at its pixel size inside a fixed
// viewing frame, with a bar in each direction that is enabled only when the
// picture is larger than the frame that way.

#include <QWidget>

#include "platform/raster.h"

class QFrame;
class QScrollBar;

namespace glifora {

class PictureBox;

class PicturePanel : public QWidget {
    Q_OBJECT
  public:
    explicit PicturePanel(QWidget* parent);

    // The raster must outlive the panel or be replaced before it goes.
    void Show(const Raster* raster, bool now = false);
    // Enables the bars for the raster shown now.
    void UpdateBars();

    QFrame* picMarco = nullptr;
    PictureBox* picMain = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;

  private:
    void OnScroll(bool horizontal);
    const Raster* raster_ = nullptr;
};

}  // namespace glifora
