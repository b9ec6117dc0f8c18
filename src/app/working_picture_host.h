#pragma once
// The filter engine's host over a working picture: every call of the engine
// and the strength dialog reaches the picture; what a repaint shows is the
// deriving class's business (the main window draws it, tests and benchmarks
// draw nothing).

#include <utility>

#include "app/working_picture.h"
#include "filters/filter_engine.h"

namespace glifora {

class WorkingPictureHost : public EffectHost {
  public:
    [[nodiscard]] WorkingPicture& Picture() { return picture_; }

    Raster& Displayed() override { return picture_.Displayed(); }
    const Raster& Shown() override { return std::as_const(picture_).Displayed(); }
    void SaveUndo() override { picture_.SaveUndo(); }
    Raster LendUndoBuffer() override { return picture_.LendUndoBuffer(); }
    void TakeUndo(Raster snapshot) override { picture_.TakeUndo(std::move(snapshot)); }
    void AssignPicture(const Raster& picture) override {
        picture_.Assign(picture);
        Repaint();
    }

  protected:
    WorkingPicture picture_;
};

}  // namespace glifora
