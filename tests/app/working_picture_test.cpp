// The working picture holds no more copies than undo and revert need.
#include "app/working_picture.h"

#include <gtest/gtest.h>

#include <utility>

namespace glifora {
namespace {

TEST(WorkingPictureMemory, AtMostThreeCopiesAndSnapshotsReuseTheirBuffer) {
    WorkingPicture p;
    p.Load(Raster(4, 3, 1));
    const size_t one = Raster(4, 3).ByteCount();
    EXPECT_EQ(p.HeldBytes(), one);  // source and undo copy are the displayed raster
    p.SaveUndo();
    EXPECT_EQ(p.HeldBytes(), 2 * one);  // ... and then one buffer apart from it
    p.Displayed().Fill(2);
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
    // loaded picture stays the undo copy.
    p.Load(Raster(loaded));
    p.Assign(Raster(3, 3, 9));
    EXPECT_EQ(std::as_const(p).Displayed(), Raster(3, 3, 9));
    p.Undo();
    EXPECT_EQ(std::as_const(p).Displayed(), loaded);

    // A second load replaces the first even when nothing was written.
    p.Load(Raster(2, 2, 1));
    p.SaveUndo();
    p.Displayed().Fill(2);
    p.Undo();
    EXPECT_EQ(std::as_const(p).Displayed(), Raster(2, 2, 1));
}

}  // namespace
}  // namespace glifora
