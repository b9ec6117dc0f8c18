#include "filters/flips_mirrors.h"

#include <cstring>
#include <vector>

#include "platform/arith.h"

namespace glifora {
namespace {

// The last index of a mirror's outer or inner loop: round(size / 2 - 1),
// halves to even (4 -> 1, 5 -> 2, 7 -> 2, 1 -> 0).
int HalfBound(int size) {
    return RoundToInt(size / 2.0 - 1.0);
}

void CopyPixel(uint8_t* row, int to, int from) {
    std::memcpy(row + 4 * static_cast<size_t>(to), row + 4 * static_cast<size_t>(from), 4);
}

void ReversePixels(uint8_t* row, int width) {
    for (int left = 0, right = width - 1; left < right; ++left, --right) {
        uint8_t keep[4];
        std::memcpy(keep, row + 4 * static_cast<size_t>(left), 4);
        CopyPixel(row, left, right);
        std::memcpy(row + 4 * static_cast<size_t>(right), keep, 4);
    }
}

}  // namespace

void FlipHorizontal(Raster& picture) {
    for (int y = 0; y < picture.Height(); ++y) ReversePixels(picture.Row(y), picture.Width());
}

void FlipVertical(Raster& picture) {
    std::vector<uint8_t> keep(picture.Stride());
    for (int top = 0, bottom = picture.Height() - 1; top < bottom; ++top, --bottom) {
        std::memcpy(keep.data(), picture.Row(top), picture.Stride());
        std::memcpy(picture.Row(top), picture.Row(bottom), picture.Stride());
        std::memcpy(picture.Row(bottom), keep.data(), picture.Stride());
    }
}

void Mirror(Raster& picture, GeometricOp op, const std::function<void()>& afterLine) {
    const int w = picture.Width(), h = picture.Height();
    if (picture.Empty()) return;
    // Every pixel read lies in the kept half (or is the middle line onto
    // itself), so whole lines can be copied in the loop order.
    switch (op) {
        case GeometricOp::MirrorTopOntoBottom:
        case GeometricOp::MirrorBottomOntoTop:
            for (int y = 0; y <= HalfBound(h); ++y) {
                const int from = op == GeometricOp::MirrorTopOntoBottom ? y : h - 1 - y;
                const int to = op == GeometricOp::MirrorTopOntoBottom ? h - 1 - y : y;
                if (from != to) std::memcpy(picture.Row(to), picture.Row(from), picture.Stride());
                if (afterLine) afterLine();
            }
            break;
        case GeometricOp::MirrorRightOntoLeft:
        case GeometricOp::MirrorLeftOntoRight: {
            const int last = HalfBound(w);
            for (int y = 0; y < h; ++y) {
                uint8_t* row = picture.Row(y);
                for (int x = 0; x <= last; ++x) {
                    if (op == GeometricOp::MirrorRightOntoLeft)
                        CopyPixel(row, x, w - 1 - x);
                    else
                        CopyPixel(row, w - 1 - x, x);
                }
                if (afterLine) afterLine();
            }
            break;
        }
        default:
            break;
    }
}

void ApplyGeometric(GeometricOp op, EffectHost& host) {
    host.SaveUndo();
    Raster& picture = host.Displayed();
    switch (op) {
        case GeometricOp::FlipHorizontal:
            FlipHorizontal(picture);
            break;
        case GeometricOp::FlipVertical:
            FlipVertical(picture);
            break;
        default:
            Mirror(picture, op, [&host] { host.Repaint(); });
            break;
    }
    host.Repaint();
}

bool FlipFromName(std::string_view name, GeometricOp& op) {
    if (name == "h")
        op = GeometricOp::FlipHorizontal;
    else if (name == "v")
        op = GeometricOp::FlipVertical;
    else
        return false;
    return true;
}

bool MirrorFromName(std::string_view name, GeometricOp& op) {
    if (name == "top")
        op = GeometricOp::MirrorTopOntoBottom;
    else if (name == "bottom")
        op = GeometricOp::MirrorBottomOntoTop;
    else if (name == "left")
        op = GeometricOp::MirrorLeftOntoRight;
    else if (name == "right")
        op = GeometricOp::MirrorRightOntoLeft;
    else
        return false;
    return true;
}

}  // namespace glifora
