// The working picture holds no more copies than undo and revert need.
#include "app/working_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "filters/filter_engine.h"
#include "test_support.h"

namespace glifora {
namespace {

TEST(WorkingPictureMemory, AtMostThreeCopiesAndSnapshotsReuseTheirBuffer) {
    WorkingPicture p;
    p.Load(Raster(4, 3, 1));
    const size_t one = Raster(4, 3).ByteCount();
    EXPECT_EQ(p.HeldBytes(), one);  // source and undo copy are the displayed raster
    p.SaveUndo();
    EXPECT_EQ(p.HeldBytes(), one);  // still unwritten: nothing to copy
    p.Displayed().Fill(2);
    EXPECT_EQ(p.HeldBytes(), 2 * one);  // the loaded picture, one buffer apart
    p.SaveUndo();
    EXPECT_EQ(p.HeldBytes(), 3 * one);
    const uint8_t* undoBuffer = p.UndoCopy().Bytes();
    p.Displayed().Fill(3);
    p.SaveUndo();  // same size: copied into the buffer it replaces
    EXPECT_EQ(p.UndoCopy().Bytes(), undoBuffer);
    EXPECT_EQ(p.UndoCopy().Pixel(0, 0), 3);
    p.Displayed().Fill(4);
    p.Undo();
    EXPECT_EQ(p.HeldBytes(), 2 * one);
    EXPECT_EQ(p.Displayed().Pixel(0, 0), 3);
    p.Displayed().Fill(4);
    p.SaveUndo();  // the undo copy is the source now: the source must not change
    p.Revert();
    EXPECT_EQ(p.Displayed().Pixel(0, 0), 3);
    p.Assign(Raster(2, 2, 5));  // another size: the undo copy stays as it was
    EXPECT_EQ(p.Displayed(), Raster(2, 2, 5));
    EXPECT_EQ(p.UndoCopy(), Raster(4, 3, 4));
    p.Undo();
    EXPECT_EQ(p.Displayed(), Raster(4, 3, 4));
}

// A load moves the decoded picture in without copying it; whatever first
// writes the displayed raster must still find the loaded picture in the
// source and the undo copy.
TEST(WorkingPictureMemory, ALoadedPictureIsSetApartOnlyWhenFirstWritten) {
    const Raster loaded(5, 4, 0x102030);
    WorkingPicture p;
    Raster decoded = loaded;
    const uint8_t* buffer = decoded.Bytes();
    p.Load(std::move(decoded));
    EXPECT_EQ(std::as_const(p).Displayed().Bytes(), buffer);
    EXPECT_TRUE(p.HasPicture());
    EXPECT_EQ(p.UndoCopy(), loaded);
    p.Undo();  // nothing to undo yet: the picture stays
    p.Revert();
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);
    EXPECT_EQ(p.HeldBytes(), loaded.ByteCount());

    // Written without a snapshot (a caller holding the raster): revert and
    // undo still give the loaded picture.
    p.Displayed().Fill(7);
    p.Revert();
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);
    p.Displayed().Fill(7);
    p.Undo();
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);

    // Assigned straight after a load (the strength dialog's "Aplicar"): the
    // loaded picture stays the undo copy, and the assigned picture is held
    // once until written.
    const Raster assigned(5, 4, 0x0A0B0C);
    p.Load(Raster(loaded));
    p.Assign(assigned);
    EXPECT_EQ(p.HeldBytes(), 2 * loaded.ByteCount());
    p.Displayed().Fill(9);
    p.Revert();
    EXPECT_EQ(std::as_const(p).Displayed(), assigned);
    p.Undo();
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);
    p.Undo();  // twice: the same picture
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);

    // A second load replaces the first even when nothing was written.
    p.Load(Raster(2, 2, 1));
    p.SaveUndo();
    p.Displayed().Fill(2);
    p.Undo();
    EXPECT_EQ(std::as_const(p).Displayed(), Raster(2, 2, 1));
}

// The window's side of the engine, as frmMain wires it.
class PictureHost : public EffectHost {
  public:
    WorkingPicture picture;
    Raster& Displayed() override { return picture.Displayed(); }
    const Raster& Shown() override { return std::as_const(picture).Displayed(); }
    void SaveUndo() override { picture.SaveUndo(); }
    Raster LendUndoBuffer() override { return picture.LendUndoBuffer(); }
    void TakeUndo(Raster snapshot) override { picture.TakeUndo(std::move(snapshot)); }
    void Repaint() override {}
    void AssignPicture(const Raster& p) override { picture.Assign(p); }
};

class Yielding : public FilterProgress {
  public:
    std::function<void()> onRow;
    void SetValue(int) override {
        if (onRow) onRow();
    }
};

Raster Expected(int code, Raster picture, int parameter) {
    NullProgress none;
    RunEffect(*FindEffect(code), picture, parameter, none, 1);
    return picture;
}

// Menu runs filter a working copy in the buffer of the former undo copy: the
// results, the undo copies and the picture shown during a run are those of
// a fresh copy per run, and no run holds more than three pictures.
TEST(WorkingPictureFilterRuns, RepeatedRunsReuseTheUndoBufferWithTheSameResults) {
    PictureHost host;
    FilterEngine engine(host);
    const Raster loaded = test::RandomRaster(70, 50, 11);
    host.picture.Load(Raster(loaded));
    const size_t one = loaded.ByteCount();
    Yielding progress;
    size_t most = 0;
    Raster before;
    progress.onRow = [&] {  // a repaint: the picture is shown whole, unfiltered
        most = std::max(most, host.picture.HeldBytes());
        EXPECT_EQ(host.Shown(), before);
        EXPECT_EQ(host.picture.UndoCopy(), before);
    };
    Raster expected = loaded;
    std::vector<const uint8_t*> buffers;
    for (const auto& [code, parameter] : {std::pair{2, 0}, {3, 0}, {7, 0xFFFFFF}, {2, 0}, {5, 0}}) {
        before = expected;
        expected = Expected(code, expected, parameter);
        ASSERT_EQ(engine.ApplyEffect(code, host.Displayed(), parameter, progress),
                  EffectOutcome::Filtered);
        EXPECT_EQ(host.Shown(), expected) << code;
        EXPECT_EQ(host.picture.UndoCopy(), before) << code;
        buffers.push_back(host.Shown().Bytes());
    }
    EXPECT_LE(most, 3 * one);
    // From the second run on, the displayed and undo buffers take turns.
    EXPECT_EQ(buffers[2], buffers[4]);
    host.picture.Undo();
    EXPECT_EQ(host.Shown(),
              Expected(2, Expected(7, Expected(3, Expected(2, loaded, 0), 0), 0xFFFFFF), 0));
    host.picture.Revert();
    EXPECT_EQ(host.Shown(), host.picture.UndoCopy());
}

TEST(WorkingPictureFilterRuns, ALoadOrAnUndoDuringARunKeepsItsOwnPicture) {
    PictureHost host;
    FilterEngine engine(host);
    const Raster first = test::RandomRaster(40, 30, 12), second = test::RandomRaster(40, 30, 13);
    host.picture.Load(Raster(first));
    Yielding progress;
    bool done = false;
    progress.onRow = [&] {
        if (!done) host.picture.Load(Raster(second));
        done = true;
    };
    engine.ApplyEffect(2, host.Displayed(), 0, progress);
    EXPECT_EQ(host.Shown(), second);
    EXPECT_EQ(host.picture.UndoCopy(), second);

    // An undo during the run: the run's result still lands, and the raster
    // as it was is both the source and the undo copy.
    NullProgress none;
    (void)engine.ApplyEffect(2, host.Displayed(), 0, none);
    const Raster negative = host.Shown();
    done = false;
    progress.onRow = [&] {
        if (!done) host.picture.Undo();
        done = true;
    };
    engine.ApplyEffect(3, host.Displayed(), 0, progress);
    EXPECT_EQ(host.Shown(), Expected(3, negative, 0));
    EXPECT_EQ(host.picture.UndoCopy(), negative);
    host.picture.Revert();
    EXPECT_EQ(host.Shown(), negative);
}

}  // namespace
}  // namespace glifora
