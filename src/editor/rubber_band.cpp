#include "editor/rubber_band.h"

#include "platform/arith.h"

namespace glifora {

CanvasPoint RubberBand::Snap(double x, double y) {
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    return {RoundToInt(fx / kCellWidth) * kCellWidth, RoundToInt(fy / kCellHeight) * kCellHeight};
}

void RubberBand::Wipe() {
    if (shown_ && document_.Canvas() != nullptr) document_.Canvas()->InvertRectangle(start_, end_);
    shown_ = false;
}

void RubberBand::Down(double x, double y) {
    Wipe();
    start_ = end_ = Snap(x, y);
}

void RubberBand::Move(double x, double y) {
    Wipe();
    end_ = Snap(x, y);
    if (document_.Canvas() != nullptr) document_.Canvas()->InvertRectangle(start_, end_);
    shown_ = true;
}

void RubberBand::Up(double x, double y, bool fill, const std::string& character) {
    Wipe();
    const CanvasPoint p = Snap(x, y);
    document_.DrawBox(start_.x, p.x, start_.y, p.y, fill, character);
    start_ = end_ = p;
}

}  // namespace glifora
