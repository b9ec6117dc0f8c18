#pragma once
// Where the editor's scroll bars place the canvas inside its viewport. The
// bars run from 0 at their start to a negative maximum at their end (the
// canvas height, for the horizontal bar, and the canvas width, for the
// vertical one, less 1000); the shared scroll rule reads only value / maximum.

#include "editor/editor_document.h"
#include "platform/scroll_rule.h"

namespace glifora {

inline constexpr int kCanvasHScrollMaximum = kCanvasHeight - 1000;  // -100
inline constexpr int kCanvasVScrollMaximum = kCanvasWidth - 1000;   // -200

// The canvas's left edge for a value of the horizontal bar.
[[nodiscard]] inline int CanvasLeft(int value) {
    return HorizontalScrollOffset(kCanvasWidth, value, kCanvasHScrollMaximum);
}
// The canvas's top edge for a value of the vertical bar: always whole rows.
[[nodiscard]] inline int CanvasTop(int value) {
    return VerticalScrollOffset(kCanvasHeight, value, kCanvasVScrollMaximum);
}

}  // namespace glifora
