// The working picture holds no more copies than undo and revert need.
#include "app/working_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "app/working_picture_host.h"
#include "filters/fake_effect_host.h"
#include "filters/filtered.h"
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

// A load and an assignment move the picture in without a copy; whatever
// first writes the displayed raster still finds them in the source and the
// undo copy.
TEST(WorkingPictureMemory, LoadedAndAssignedPicturesAreSetApartOnlyWhenWritten) {
    const Raster loaded(5, 4, 0x102030), assigned(5, 4, 0x0A0B0C);
    WorkingPicture p;
    p.Load(Raster(loaded));
    p.Undo();  // nothing to undo yet: the picture stays
    EXPECT_EQ(p.HeldBytes(), loaded.ByteCount());
    p.Displayed().Fill(7);  // written without a snapshot
    p.Revert();
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);

    p.Load(Raster(loaded));
    p.Assign(assigned);  // "Aplicar" straight after a load
    EXPECT_EQ(p.HeldBytes(), 2 * loaded.ByteCount());
    p.Displayed().Fill(9);
    p.Revert();
    EXPECT_EQ(std::as_const(p).Displayed(), assigned);
    p.Undo();
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);
}

// The window's side of the engine, as frmMain wires it, repainting nothing.
class PictureHost : public WorkingPictureHost {
  public:
    void Repaint() override {}
};

// Menu runs filter a working copy in the buffer of the former undo copy: the
// results, the undo copies and the picture shown during a run are those of
// a fresh copy per run, and no run holds more than three pictures.
TEST(WorkingPictureFilterRuns, RepeatedRunsReuseTheUndoBufferWithTheSameResults) {
    PictureHost host;
    FilterEngine engine(host);
    Raster expected = test::RandomRaster(70, 50, 11), before;
    host.Picture().Load(Raster(expected));
    size_t most = 0;
    test::YieldingProgress progress;
    progress.onRow = [&] {  // a repaint: the picture is shown whole, unfiltered
        most = std::max(most, host.Picture().HeldBytes());
        EXPECT_EQ(host.Shown(), before);
    };
    std::vector<const uint8_t*> buffers;
    for (const auto& [code, parameter] : {std::pair{2, 0}, {3, 0}, {7, 0xFFFFFF}, {5, 0}}) {
        before = expected;
        expected = test::Filtered(code, expected, parameter, 1);
        (void)engine.ApplyEffect(code, host.Picture().DisplayedForRun(), parameter, progress);
        EXPECT_EQ(host.Shown(), expected) << code;
        EXPECT_EQ(host.Picture().UndoCopy(), before) << code;
        buffers.push_back(host.Shown().Bytes());
    }
    EXPECT_LE(most, 3 * expected.ByteCount());
    EXPECT_EQ(buffers[1], buffers[3]);  // the displayed and undo buffers take turns
}

// A load during a run keeps the loaded picture; after an undo during a run
// the result still lands, the raster as it was the source and undo copy.
TEST(WorkingPictureFilterRuns, ALoadOrAnUndoDuringARunKeepsThePicturesRight) {
    PictureHost host;
    FilterEngine engine(host);
    const Raster first = test::RandomRaster(40, 30, 12), second = test::RandomRaster(40, 30, 13);
    host.Picture().Load(Raster(first));
    test::YieldingProgress progress;
    progress.once = [&] { host.Picture().Load(Raster(second)); };
    (void)engine.ApplyEffect(2, host.Displayed(), 0, progress);
    EXPECT_EQ(host.Shown(), second);
    EXPECT_EQ(host.Picture().UndoCopy(), second);

    host.Picture().SaveUndo();
    host.Displayed().Fill(3);
    const Raster three = host.Shown();
    progress.once = [&] { host.Picture().Undo(); };
    (void)engine.ApplyEffect(2, host.Displayed(), 0, progress);
    EXPECT_EQ(host.Shown(), test::Filtered(2, three, 0, 1));
    host.Picture().Revert();
    EXPECT_EQ(host.Shown(), three);
}

}  // namespace
}  // namespace glifora
