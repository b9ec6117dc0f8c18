#include "platform/text_font.h"

#include <cstdlib>

#include "platform/arith.h"

namespace glifora {

int DialogHeightForSize(int points) {
    return RoundToInt(points * 1.335);
}

int SizeForDialogHeight(int height) {
    return static_cast<int>(IntegerPart(std::abs(static_cast<double>(height)) * 0.75));
}

}  // namespace glifora
