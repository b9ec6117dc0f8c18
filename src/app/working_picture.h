#pragma once
// The working picture: the source picture last assigned (by a load, an undo or
// the strength dialog), the displayed raster that filters rewrite and
// converters read, and the one-level undo copy.

#include <optional>

#include "platform/raster.h"

namespace glifora {

class WorkingPicture {
  public:
    // A picture is present once a source picture was assigned.
    [[nodiscard]] bool HasPicture() const { return source_.has_value(); }
    [[nodiscard]] Raster& Displayed() { return displayed_; }
    [[nodiscard]] const Raster& Displayed() const { return displayed_; }
    [[nodiscard]] const Raster& UndoCopy() const { return undo_; }
    [[nodiscard]] int Width() const { return displayed_.Width(); }
    [[nodiscard]] int Height() const { return displayed_.Height(); }

    // Assigns a new source picture; the displayed raster is redrawn from it.
    void Assign(Raster picture);
    // A loaded file: source picture, displayed raster and undo copy all take it.
    void Load(Raster picture);
    // Snapshot of the displayed raster (a copy).
    void SaveUndo() { undo_ = displayed_; }
    // The undo copy becomes the source picture; the copy itself stays, so a
    // second undo gives the same picture again. Nothing happens before a load.
    void Undo();
    // The source picture is drawn again over the displayed raster.
    void Revert();

  private:
    std::optional<Raster> source_;
    Raster displayed_;
    Raster undo_;
};

// The viewing frame is 283 x 253 pixels; a bar is enabled when the picture is
// strictly larger than the frame in its direction.
inline constexpr int kFrameWidth = 283;
inline constexpr int kFrameHeight = 253;

}  // namespace glifora
