// The window holds a loaded picture once until something writes it, and
// menu filters never hold more than the picture, its source and undo copy.
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <utility>

#include "app/frm_main.h"
#include "filters/frm_efect_config.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace glifora {
namespace {

TEST(WindowPictureMemory, ShowingAndPreviewingCopyNothingAndMenuRunsStayWithinThreePictures) {
    test::ScriptedDialogs dialogs;
    frmMain w(dialogs);
    QTemporaryDir dir;
    const std::string path = dir.filePath("p.bmp").toStdString();
    const Raster picture = test::RandomRaster(120, 90, 5);
    test::WriteFile(path, test::EncodePicture(picture, "BMP"));
    ASSERT_TRUE(w.LoadPictureFile(path));
    const size_t one = picture.ByteCount();
    // Painted, and shown in the strength dialog: still the one decoded picture.
    EXPECT_EQ(w.Picture().HeldBytes(), one);
    w.Action("mnuDifuminar")->trigger();
    ASSERT_TRUE(w.EfectConfig()->isVisible());
    EXPECT_EQ(w.Picture().HeldBytes(), one);
    w.EfectConfig()->hide();

    for (int run = 0; run < 4; ++run) {
        w.Action("mnuNegativo")->trigger();
        EXPECT_LE(w.Picture().HeldBytes(), 3 * one);
    }
    EXPECT_EQ(std::as_const(w.Picture()).Displayed(), picture);  // four negatives
}

}  // namespace
}  // namespace glifora
