#include "filters/throttled_progress.h"

namespace glifora {

ThrottledProgress::ThrottledProgress(std::function<void(int)> setValue, std::function<void()> yield,
                                     std::function<void(bool)> setVisible, Clock::duration interval)
    : setValue_(std::move(setValue)),
      yield_(std::move(yield)),
      setVisible_(std::move(setVisible)),
      interval_(interval),
      lastYield_(Clock::now()) {}

void ThrottledProgress::SetVisible(bool visible) {
    if (setVisible_) setVisible_(visible);
    lastYield_ = Clock::now();
}

void ThrottledProgress::SetValue(int percent) {
    // Most rows leave the percentage as it was; the bar needs no call then.
    if (percent != value_) {
        value_ = percent;
        if (setValue_) setValue_(percent);
    }
    const Clock::time_point now = Clock::now();
    if (percent >= 100 || now - lastYield_ >= interval_) {
        Yield();
        lastYield_ = now;
    }
}

void ThrottledProgress::Yield() {
    ++yields_;
    if (yield_) yield_();
}

}  // namespace glifora
