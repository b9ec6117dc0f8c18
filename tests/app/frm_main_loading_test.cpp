// Loading a picture keeps the window's event loop running while it decodes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include "app/frm_main.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace glifora {
namespace {

TEST(PictureLoading, TheWindowPaintsWithABusyBarWhileDecodingAndThePictureArrives) {
    test::ScriptedDialogs dialogs;
    frmMain w(dialogs);
    QTemporaryDir dir;
    const std::string path = dir.filePath("p.png").toStdString();
    test::WriteFile(path, test::EncodePicture(Raster(300, 200, 0x123456), "PNG"));
    bool ranDuringLoad = false, busyBar = false, busyCursor = false;
    // Posted before the load: it runs only if the load lets the event loop run.
    QTimer::singleShot(0, [&] {
        ranDuringLoad = true;
        busyBar = !w.prgBar1->isHidden() && w.prgBar1->maximum() == 0;
        busyCursor = QApplication::overrideCursor() != nullptr;
    });
    ASSERT_TRUE(w.LoadPictureFile(path));
    EXPECT_TRUE(ranDuringLoad);
    EXPECT_TRUE(busyBar);
    EXPECT_TRUE(busyCursor);
    EXPECT_EQ(w.Picture().Displayed(), Raster(300, 200, 0x123456));
    EXPECT_TRUE(w.prgBar1->isHidden());
    EXPECT_EQ(w.prgBar1->maximum(), 100);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // A file that fails to decode restores the window the same way.
    test::WriteFile(path, "not a picture");
    EXPECT_FALSE(w.LoadPictureFile(path));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(w.Picture().Displayed(), Raster(300, 200, 0x123456));
}

}  // namespace
}  // namespace glifora
