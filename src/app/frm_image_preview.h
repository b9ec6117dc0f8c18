#pragma once
// "Imagen a tratar": the working picture at its real size on a window as
// large as the screen, centred when it fits, scrolled when it does not.

#include <QDialog>

#include "platform/raster.h"

class QFrame;
class QScrollBar;

namespace glifora {

class PictureBox;

class frmImagePreview : public QDialog {
    Q_OBJECT
  public:
    // Keeps a reference to `picture`; the window is modal, so it cannot change meanwhile.
    frmImagePreview(const Raster& picture, QWidget* owner);
    // Sizes the window to the screen and shows it.
    void Open();

    QFrame* picMarco = nullptr;
    PictureBox* picFull = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Scroll(bool horizontal);
    const Raster& picture_;
    Raster copy_;
};

}  // namespace glifora
