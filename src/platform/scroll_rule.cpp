#include "platform/scroll_rule.h"

#include <algorithm>
#include <cstdint>

#include "platform/arith.h"

namespace glifora {

int ScrollOffset(int size, int value, int maximum, int span, int step) {
    if (maximum == 0) return 0;
    const int64_t o = RoundHalfEven(static_cast<double>(size - span) * value / maximum);
    return static_cast<int>(-step * DivTrunc(o, step));
}

int EdgeScrollOffset(int size, int value, int maximum, int frame, int step) {
    const int hidden = size - frame;
    if (maximum == 0 || hidden <= 0 || step <= 0) return 0;
    const int64_t o = RoundHalfEven(static_cast<double>(hidden) * value / maximum);
    const int64_t stepped = step * ((std::max<int64_t>(o, 0) + step - 1) / step);
    return static_cast<int>(-std::min<int64_t>(stepped, hidden));
}

}  // namespace glifora
