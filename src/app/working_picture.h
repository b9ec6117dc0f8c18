#pragma once
// The working picture: the source picture last assigned (by a load, an undo or
// the strength dialog), the displayed raster that filters rewrite and
// converters read, and the one-level undo copy.

#include <optional>

#include "platform/raster.h"

namespace glifora {

class WorkingPicture {
  public:
    // A picture is present once a non-empty source picture was assigned; the
    // strength dialog assigns back an empty copy when nothing was loaded.
    [[nodiscard]] bool HasPicture() const { return source_ && !source_->Empty(); }
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

// The scroll rule of the picture frame: the part of the picture hidden by the
// frame, H = size - frame, is crossed in whole steps, O = round(H x value / max)
// rounded up to a step, and the last step stops at the edge, so the offset is
// -min(step x ceil(O / step), H) and the bar's last value shows the last
// column or row. Horizontal steps are 6 pixels, vertical ones 12.
[[nodiscard]] int ScrollOffset(int size, int value, int maximum, int frame, int step);
[[nodiscard]] inline int HorizontalScrollOffset(int width, int value, int maximum) {
    return ScrollOffset(width, value, maximum, kFrameWidth, 6);
}
[[nodiscard]] inline int VerticalScrollOffset(int height, int value, int maximum) {
    return ScrollOffset(height, value, maximum, kFrameHeight, 12);
}

}  // namespace glifora
