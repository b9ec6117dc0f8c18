#pragma once
// chkAnimArt and cmdGIFAvance of the main window, as the GIF split drives them.

#include "animation/gif_frames.h"

class QAbstractButton;

namespace glifora {

class WidgetAnimArtControls final : public AnimArtControls {
  public:
    WidgetAnimArtControls(QAbstractButton* chkAnimArt, QAbstractButton* cmdGIFAvance)
        : chkAnimArt_(chkAnimArt), cmdGIFAvance_(cmdGIFAvance) {}
    void EnableAnimArt(bool enabled) override;
    void UncheckAnimArt() override;

  private:
    QAbstractButton* chkAnimArt_;
    QAbstractButton* cmdGIFAvance_;
};

}  // namespace glifora
