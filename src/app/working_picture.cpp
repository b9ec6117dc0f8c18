#include "app/working_picture.h"

#include <cstring>

namespace glifora {

namespace {

// `to` becomes a copy of `from`. Same sizes: copied in place; otherwise the
// old buffer is freed before the new one is allocated.
void CopyInto(Raster& to, const Raster& from) {
    if (&to == &from) return;
    if (to.Width() == from.Width() && to.Height() == from.Height() && !from.Empty()) {
        std::memcpy(to.Bytes(), from.Bytes(), from.ByteCount());
        return;
    }
    to = Raster();
    to = from;
}

}  // namespace

const Raster& WorkingPicture::UndoCopy() const {
    static const Raster kNone;
    return undo_ ? *undo_ : kNone;
}

void WorkingPicture::Assign(Raster picture) {
    source_.reset();
    source_ = std::make_shared<Raster>(std::move(picture));
    CopyInto(displayed_, *source_);
}

void WorkingPicture::Load(Raster picture) {
    undo_.reset();
    Assign(std::move(picture));
    undo_ = source_;
}

void WorkingPicture::SaveUndo() {
    if (undo_ && undo_.use_count() == 1) {
        CopyInto(*undo_, displayed_);
        return;
    }
    // Shared with the source picture, which must stay as it is.
    undo_.reset();
    undo_ = std::make_shared<Raster>(displayed_);
}

void WorkingPicture::Undo() {
    if (!source_) return;
    if (!undo_) undo_ = std::make_shared<Raster>();
    source_ = undo_;
    CopyInto(displayed_, *source_);
}

void WorkingPicture::Revert() {
    if (source_) CopyInto(displayed_, *source_);
}

size_t WorkingPicture::HeldBytes() const {
    size_t bytes = displayed_.ByteCount();
    if (source_) bytes += source_->ByteCount();
    if (undo_ && undo_ != source_) bytes += undo_->ByteCount();
    return bytes;
}

}  // namespace glifora
