#pragma once
// The two flips and four mirrors of the working picture. They do not go
// through the filter engine: no busy check, no yields; each takes the undo
// snapshot first. A mirror copies the kept half, reflected, over the other
// half one line at a time and repaints after every line.

#include <functional>
#include <string_view>

#include "filters/filter_engine.h"
#include "platform/raster.h"

namespace glifora {

enum class GeometricOp {
    FlipHorizontal,       // "Horizontalmente": left-right
    FlipVertical,         // "Verticalmente": top-bottom
    MirrorTopOntoBottom,  // "Reflejar parte superior en la inferior"
    MirrorBottomOntoTop,  // "Reflejar parte inferior en la superior"
    MirrorRightOntoLeft,  // "Reflejar parte derecha en la izquierda"
    MirrorLeftOntoRight,  // "Reflejar parte izquierda en la derecha"
};

void FlipHorizontal(Raster& picture);
void FlipVertical(Raster& picture);
// `afterLine` runs after each pass of the outer loop.
void Mirror(Raster& picture, GeometricOp op, const std::function<void()>& afterLine = {});

// The menu command: SaveUndo, the operation on the host's displayed raster,
// then the repaints (one per line for the mirrors, and one at the end).
void ApplyGeometric(GeometricOp op, EffectHost& host);

// Command-line names: "h", "v" for --flip; "top", "bottom", "left", "right"
// (the half that is kept) for --mirror.
[[nodiscard]] bool FlipFromName(std::string_view name, GeometricOp& op);
[[nodiscard]] bool MirrorFromName(std::string_view name, GeometricOp& op);

}  // namespace glifora
