#include "app/working_picture.h"

#include <algorithm>

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

int ScrollOffset(int size, int value, int maximum, int frame, int step) {
    const int hidden = size - frame;
    if (maximum <= 0 || hidden <= 0) return 0;
    const int o = RoundToInt(static_cast<double>(hidden) * value / maximum);
    return -std::min(step * ((o + step - 1) / step), hidden);
}

}  // namespace glifora
