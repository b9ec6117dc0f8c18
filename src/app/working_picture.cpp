#include "app/working_picture.h"

namespace glifora {

void WorkingPicture::Assign(Raster picture) {
    displayed_ = picture;
    source_ = std::move(picture);
}

void WorkingPicture::Load(Raster picture) {
    undo_ = picture;
    Assign(std::move(picture));
}

void WorkingPicture::Undo() {
    if (!source_) return;
    Assign(undo_);
}

void WorkingPicture::Revert() {
    if (source_) displayed_ = *source_;
}

}  // namespace glifora
