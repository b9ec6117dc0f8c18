#pragma once
// The progress bar of a window during a filter run: the value is set after
// every row, and pending events run at most once every ~10 ms (always at the
// end), so reporting costs next to nothing even on fast filters while the
// window still repaints and takes clicks.

#include <chrono>
#include <functional>

#include "filters/filter_pixels.h"

namespace glifora {

class ThrottledProgress final : public FilterProgress {
  public:
    using Clock = std::chrono::steady_clock;

    // `setValue` sets the bar; `yield` lets pending events run; `setVisible`
    // shows or hides the bar. Any of them may be empty.
    ThrottledProgress(std::function<void(int)> setValue, std::function<void()> yield,
                      std::function<void(bool)> setVisible = {},
                      Clock::duration interval = std::chrono::milliseconds(10));

    void SetVisible(bool visible) override;
    void SetValue(int percent) override;

    [[nodiscard]] int Value() const { return value_; }
    [[nodiscard]] int Yields() const { return yields_; }

  private:
    void Yield();

    std::function<void(int)> setValue_;
    std::function<void()> yield_;
    std::function<void(bool)> setVisible_;
    Clock::duration interval_;
    Clock::time_point lastYield_;
    int value_ = -1;
    int yields_ = 0;
};

}  // namespace glifora
