#pragma once
// A stand-in for the main window: the working picture, its undo copy and
// counters of what the engine and the dialog asked of it; and a progress bar
// whose yields run what pending events would.

#include <functional>
#include <utility>

#include "filters/filter_engine.h"

namespace glifora::test {

class FakeEffectHost : public EffectHost {
  public:
    Raster displayed;
    Raster undo;
    int saveUndoCalls = 0;
    int repaints = 0;
    int assignments = 0;

    Raster& Displayed() override { return displayed; }
    void SaveUndo() override {
        undo = displayed;
        ++saveUndoCalls;
    }
    void Repaint() override { ++repaints; }
    void AssignPicture(const Raster& picture) override {
        displayed = picture;
        ++assignments;
    }
};

class YieldingProgress : public FilterProgress {
  public:
    std::function<void()> once;   // at the next value only
    std::function<void()> onRow;  // at every value
    void SetValue(int) override {
        if (once) std::exchange(once, {})();
        if (onRow) onRow();
    }
};

}  // namespace glifora::test
