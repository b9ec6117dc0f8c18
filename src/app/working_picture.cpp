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
    if (undoIsDisplayed_) return displayed_;
    return undo_ ? *undo_ : kNone;
}

Raster& WorkingPicture::Displayed() {
    SetApart();
    return displayed_;
}

void WorkingPicture::SetApart() {
    if (sourceIsDisplayed_) {
        source_ = std::make_shared<Raster>(displayed_);
        if (undoIsDisplayed_) undo_ = source_;
    } else if (undoIsDisplayed_) {
        undo_ = std::make_shared<Raster>(displayed_);
    }
    sourceIsDisplayed_ = undoIsDisplayed_ = false;
}

void WorkingPicture::KeepUndoForAssign() {
    if (undoIsDisplayed_) {
        undo_ = std::make_shared<Raster>(std::move(displayed_));
        displayed_ = Raster();
        undoIsDisplayed_ = false;
    }
    source_.reset();
}

void WorkingPicture::Assign(const Raster& picture) {
    KeepUndoForAssign();
    CopyInto(displayed_, picture);
    sourceIsDisplayed_ = true;
}

void WorkingPicture::Assign(Raster&& picture) {
    KeepUndoForAssign();
    displayed_ = Raster();  // the old raster goes before the new one is kept
    displayed_ = std::move(picture);
    sourceIsDisplayed_ = true;
}

void WorkingPicture::Load(Raster picture) {
    // The old picture goes before the new one is kept: the two are never
    // held beside each other here.
    undo_.reset();
    source_.reset();
    displayed_ = std::move(picture);
    sourceIsDisplayed_ = undoIsDisplayed_ = true;
}

void WorkingPicture::SaveUndo() {
    if (undoIsDisplayed_) return;  // the snapshot is the displayed raster already
    if (undo_ && undo_.use_count() == 1) {
        CopyInto(*undo_, displayed_);
        return;
    }
    // Shared with the source picture, which must stay as it is.
    undo_.reset();
    undo_ = std::make_shared<Raster>(displayed_);
}

Raster WorkingPicture::LendUndoBuffer() {
    Raster spare;
    if (undoIsDisplayed_) return spare;
    if (undo_ && undo_.use_count() == 1) spare = std::move(*undo_);
    undo_.reset();
    undoIsDisplayed_ = true;
    return spare;
}

void WorkingPicture::TakeUndo(Raster snapshot) {
    undo_ = std::make_shared<Raster>(std::move(snapshot));
    // An undo since the lending made the raster as it was the source too.
    if (sourceIsDisplayed_) source_ = undo_;
    sourceIsDisplayed_ = undoIsDisplayed_ = false;
}

void WorkingPicture::Undo() {
    if (undoIsDisplayed_) {
        // The displayed raster is the undo copy already, and now the source.
        if (!sourceIsDisplayed_) source_.reset();
        sourceIsDisplayed_ = true;
        return;
    }
    if (!sourceIsDisplayed_ && !source_) return;  // nothing loaded
    if (!undo_) undo_ = std::make_shared<Raster>();
    source_ = undo_;
    sourceIsDisplayed_ = false;  // the source is replaced: nothing to set apart
    CopyInto(displayed_, *source_);
}

void WorkingPicture::Revert() {
    if (sourceIsDisplayed_ || !source_) return;
    SetApart();
    CopyInto(displayed_, *source_);
}

size_t WorkingPicture::HeldBytes() const {
    size_t bytes = displayed_.ByteCount();
    if (source_) bytes += source_->ByteCount();
    if (undo_ && undo_ != source_) bytes += undo_->ByteCount();
    return bytes;
}

}  // namespace glifora
