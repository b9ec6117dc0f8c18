#include "app/working_picture.h"

#include "platform/arith.h"

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

int ScrollOffset(int size, int value, int maximum, int span, int step) {
    if (maximum <= 0) return 0;
    const int o = RoundToInt(static_cast<double>(size - span) * value / maximum);
    return -step * static_cast<int>(DivTrunc(o, step));
}

}  // namespace glifora
