// Big pages are asked for first; a cancelled write leaves no file.
#include "app/page_write_progress.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolBar>

#include "app/frm_main.h"
#include "scripted_dialogs.h"

namespace glifora {
namespace {

TEST(PageWrite, LargePagesAreAskedForWithTheirSizeInMegabytes) {
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(ConfirmPageSize(dialogs, kAskAbovePageBytes));
    EXPECT_TRUE(dialogs.calls.empty());
    dialogs.answers = {true, false};
    EXPECT_TRUE(ConfirmPageSize(dialogs, int64_t{2'400'000'001}));
    ASSERT_NE(dialogs.Last("ask"), nullptr);
    EXPECT_NE(dialogs.Last("ask")->text.find("2401 MB"), std::string::npos);
    EXPECT_FALSE(ConfirmPageSize(dialogs, kAskAbovePageBytes + 1));
}

TEST(PageWrite, TheWindowAsksBeforeABigWebArtAndANoWritesNothing) {
    test::ScriptedDialogs dialogs;  // no answers queued: every question is answered No
    frmMain w(dialogs);
    w.Picture().Load(Raster(1500, 1400, 0x808080));  // quality, size 5: over 100 MB
    w.tbModo->findChild<QAction*>("WebArt")->trigger();
    w.chkWebCalidad->setChecked(true);
    w.sldWTamaño->setValue(5);
    w.Toolbar1->findChild<QAction*>("Play")->trigger();
    ASSERT_NE(dialogs.Last("ask"), nullptr);
    EXPECT_NE(dialogs.Last("ask")->text.find(" MB"), std::string::npos);
    EXPECT_EQ(dialogs.Last("save"), nullptr);
}

TEST(PageWrite, CancellingStopsTheSinkAndLeavesNoFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("page.html").toStdString();
    test::ScriptedDialogs dialogs;
    dialogs.savePaths.push_back(path);
    dialogs.answers = {true};
    frmMain w(dialogs);
    w.Picture().Load(Raster(1500, 1400, 0x808080));
    w.tbModo->findChild<QAction*>("WebArt")->trigger();
    w.chkWebCalidad->setChecked(true);
    w.sldWTamaño->setValue(5);
    w.chkWebArtPrev->setChecked(false);
    // The first progress yield cancels, as a click on "Cancelar" would.
    bool cancelled = false;
    QObject::connect(w.prgBar1, &QProgressBar::valueChanged, [&] {
        if (auto* box = w.findChild<QProgressDialog*>(); box && !cancelled) {
            box->cancel();
            cancelled = true;
        }
    });
    w.Toolbar1->findChild<QAction*>("Play")->trigger();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
    EXPECT_EQ(dialogs.Last("message"), nullptr);  // a cancel is not a failure
}

}  // namespace
}  // namespace glifora
