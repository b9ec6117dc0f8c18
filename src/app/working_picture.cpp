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
    if (sourceIsDisplayed_) return displayed_;
    return undo_ ? *undo_ : kNone;
}

Raster& WorkingPicture::Displayed() {
    if (sourceIsDisplayed_) SetSourceApart();
    return displayed_;
}

void WorkingPicture::SetSourceApart() {
    sourceIsDisplayed_ = false;
    source_ = std::make_shared<Raster>(displayed_);
    undo_ = source_;
}

void WorkingPicture::Assign(Raster picture) {
    if (sourceIsDisplayed_) {
        // The loaded picture stays the undo copy: its buffer moves there, and
        // the displayed raster is drawn anew below.
        sourceIsDisplayed_ = false;
        undo_ = std::make_shared<Raster>(std::move(displayed_));
        displayed_ = Raster();
    }
    source_.reset();
    source_ = std::make_shared<Raster>(std::move(picture));
    CopyInto(displayed_, *source_);
}

void WorkingPicture::Load(Raster picture) {
    // The old picture goes before the new one is kept: the two are never
    // held beside each other here.
    undo_.reset();
    source_.reset();
    displayed_ = std::move(picture);
    sourceIsDisplayed_ = true;
}

void WorkingPicture::SaveUndo() {
    if (sourceIsDisplayed_) {
        // The snapshot is the loaded picture, which is also the source: one
        // copy serves as both, as right after a load.
        SetSourceApart();
        return;
    }
    if (undo_ && undo_.use_count() == 1) {
        CopyInto(*undo_, displayed_);
        return;
    }
    // Shared with the source picture, which must stay as it is.
    undo_.reset();
    undo_ = std::make_shared<Raster>(displayed_);
}

void WorkingPicture::Undo() {
    if (sourceIsDisplayed_ || !source_) return;  // already showing the undo copy
    if (!undo_) undo_ = std::make_shared<Raster>();
    source_ = undo_;
    CopyInto(displayed_, *source_);
}

void WorkingPicture::Revert() {
    if (!sourceIsDisplayed_ && source_) CopyInto(displayed_, *source_);
}

size_t WorkingPicture::HeldBytes() const {
    size_t bytes = displayed_.ByteCount();
    if (sourceIsDisplayed_) return bytes;
    if (source_) bytes += source_->ByteCount();
    if (undo_ && undo_ != source_) bytes += undo_->ByteCount();
    return bytes;
}

}  // namespace glifora
