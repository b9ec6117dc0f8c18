#pragma once
// The rubber band of the box tools: the dashed outline that follows the mouse
// from the grid point where the button went down, snapped to grid lines, and
// the box painted when the button comes up.

#include <string>

#include "editor/editor_document.h"

namespace glifora {

class RubberBand {
  public:
    explicit RubberBand(EditorDocument& document) : document_(document) {}

    // A button went down at (x, y): wipes a band left standing and starts a
    // new one there.
    void Down(double x, double y);
    // The mouse moved with the left button held: the band follows.
    void Move(double x, double y);
    // The left button came up: the band goes and the box from the starting
    // point to (x, y) is painted, filled with `character` when `fill`.
    void Up(double x, double y, bool fill, const std::string& character);

    // The band's moving corner, snapped to grid lines.
    [[nodiscard]] CanvasPoint End() const { return end_; }
    [[nodiscard]] bool Shown() const { return shown_; }

  private:
    // Nearest grid line: round(v / cell) x cell, in single precision.
    [[nodiscard]] static CanvasPoint Snap(double x, double y);
    void Wipe();

    EditorDocument& document_;
    CanvasPoint start_, end_;
    // Whether the outline start_-end_ is on the canvas now. Tracking it means a
    // click without a drag never leaves a stray inverted dot.
    bool shown_ = false;
};

}  // namespace glifora
