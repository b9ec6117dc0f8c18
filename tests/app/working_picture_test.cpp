// The working picture holds no more copies than undo and revert need.
#include "app/working_picture.h"

#include <gtest/gtest.h>

namespace glifora {
namespace {

TEST(WorkingPictureMemory, AtMostThreeCopiesAndSnapshotsReuseTheirBuffer) {
    WorkingPicture p;
    p.Load(Raster(4, 3, 1));
    const size_t one = Raster(4, 3).ByteCount();
    EXPECT_EQ(p.HeldBytes(), 2 * one);  // source and undo copy are one buffer
    p.SaveUndo();
    EXPECT_EQ(p.HeldBytes(), 3 * one);
    const uint8_t* undoBuffer = p.UndoCopy().Bytes();
    p.Displayed().Fill(2);
    p.SaveUndo();  // same size: copied into the buffer it replaces
    EXPECT_EQ(p.UndoCopy().Bytes(), undoBuffer);
    EXPECT_EQ(p.UndoCopy().Pixel(0, 0), 2);
    p.Displayed().Fill(3);
    p.Undo();
    EXPECT_EQ(p.HeldBytes(), 2 * one);
    EXPECT_EQ(p.Displayed().Pixel(0, 0), 2);
    p.Displayed().Fill(4);
    p.SaveUndo();  // the undo copy is the source now: the source must not change
    p.Revert();
    EXPECT_EQ(p.Displayed().Pixel(0, 0), 2);
    p.Assign(Raster(2, 2, 5));  // another size: the undo copy stays as it was
    EXPECT_EQ(p.Displayed(), Raster(2, 2, 5));
    EXPECT_EQ(p.UndoCopy(), Raster(4, 3, 4));
    p.Undo();
    EXPECT_EQ(p.Displayed(), Raster(4, 3, 4));
}

}  // namespace
}  // namespace glifora
