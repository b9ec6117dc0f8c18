#include "platform/scroll_rule.h"

#include "platform/arith.h"

namespace glifora {

int ScrollOffset(int size, int value, int maximum, int span, int step) {
    if (maximum == 0) return 0;
    const int64_t o = RoundHalfEven(static_cast<double>(size - span) * value / maximum);
    return static_cast<int>(-step * DivTrunc(o, step));
}

}  // namespace glifora
