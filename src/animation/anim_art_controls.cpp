#include "animation/anim_art_controls.h"

#include <QAbstractButton>

namespace glifora {

void WidgetAnimArtControls::EnableAnimArt(bool enabled) {
    chkAnimArt_->setEnabled(enabled);
    cmdGIFAvance_->setEnabled(enabled);
}

void WidgetAnimArtControls::UncheckAnimArt() {
    chkAnimArt_->setChecked(false);
}

}  // namespace glifora
