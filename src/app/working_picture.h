#pragma once
// The working picture: the source picture last assigned (by a load, an undo or
// the strength dialog), the displayed raster that filters rewrite and
// converters read, and the one-level undo copy.
//
// Memory: a picture is held at most three times (source, undo copy, displayed
// raster). The source and the undo copy share one buffer while they are equal
// (after a load or an undo), and copies reuse the buffer they replace when the
// sizes match, so no step holds a fourth copy even for a moment.
//
// A loaded picture is held once: until the displayed raster is first handed
// out for writing, the source and the undo copy are that raster itself, so a
// load only moves the decoded picture in (the window's thread does no copy of
// a picture of any size) and reading it (painting, text art) copies nothing.
// Likewise a snapshot of a raster that is not written afterwards costs
// nothing, and a filter run lends the undo copy's buffer to hold its result
// (LendUndoBuffer, TakeUndo), so a run holds no fourth picture either.

#include <cstddef>
#include <memory>

#include "platform/raster.h"

namespace glifora {

class WorkingPicture {
  public:
    // A picture is present once a non-empty source picture was assigned; the
    // strength dialog assigns back an empty copy when nothing was loaded.
    [[nodiscard]] bool HasPicture() const {
        return sourceIsDisplayed_ ? !displayed_.Empty() : source_ != nullptr && !source_->Empty();
    }
    // For writing: the source and the undo copy are set apart first where
    // they were still the displayed raster itself.
    [[nodiscard]] Raster& Displayed();
    [[nodiscard]] const Raster& Displayed() const { return displayed_; }
    // For the filter engine's runs alone, which write the raster only between
    // LendUndoBuffer and TakeUndo, and those keep the source and undo copy
    // right: nothing is set apart beforehand.
    [[nodiscard]] Raster& DisplayedForRun() { return displayed_; }
    [[nodiscard]] const Raster& UndoCopy() const;
    [[nodiscard]] int Width() const { return displayed_.Width(); }
    [[nodiscard]] int Height() const { return displayed_.Height(); }

    // Assigns a new source picture; the displayed raster is redrawn from it.
    // The displayed raster itself holds it until first written. `picture`
    // is none of this object's own rasters.
    void Assign(const Raster& picture);
    void Assign(Raster&& picture);
    // A loaded file: source picture, displayed raster and undo copy all take it.
    void Load(Raster picture);
    // Snapshot of the displayed raster as it is now.
    void SaveUndo();
    // A snapshot taken for a filter run that rewrites the whole displayed
    // raster: the buffer of the former undo copy is handed out to take the
    // result (empty if the copy shared its buffer with the source).
    [[nodiscard]] Raster LendUndoBuffer();
    // The end of such a run: `snapshot` holds the displayed raster as it was
    // when the buffer was lent, and becomes the undo copy. The caller has
    // exchanged the displayed raster's buffer for the result.
    void TakeUndo(Raster snapshot);
    // The undo copy becomes the source picture; the copy itself stays, so a
    // second undo gives the same picture again. Nothing happens before a load.
    void Undo();
    // The source picture is drawn again over the displayed raster.
    void Revert();
    // Bytes of pixels held, each shared buffer counted once.
    [[nodiscard]] size_t HeldBytes() const;

  private:
    // Before the displayed raster is written: the source and undo copy that
    // are still that raster become copies of it.
    void SetApart();
    // Before the displayed raster is replaced by a new source picture: an
    // undo copy that is still that raster takes its buffer.
    void KeepUndoForAssign();

    // The source picture (set by a load or an assignment) and the undo copy
    // (set by a load or a snapshot) may be the displayed raster itself,
    // unwritten since; the pointer is empty meanwhile.
    bool sourceIsDisplayed_ = false;
    bool undoIsDisplayed_ = false;
    std::shared_ptr<Raster> source_;
    std::shared_ptr<Raster> undo_;
    Raster displayed_;
};

// The viewing frame is 283 x 253 pixels; a bar is enabled when the picture is
// strictly larger than the frame in its direction.
inline constexpr int kFrameWidth = 283;
inline constexpr int kFrameHeight = 253;

}  // namespace glifora
