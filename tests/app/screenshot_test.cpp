// Renders the main window after a conversion into $GLIFORA_SCREENSHOT_DIR,
// for a person to look at. Without the variable there is nothing to do.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include "app/frm_main.h"
#include "cli/sample_picture.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace glifora {

TEST(Screenshot, MainWindowAfterPlay) {
    const QByteArray out = qgetenv("GLIFORA_SCREENSHOT_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "GLIFORA_SCREENSHOT_DIR not set";
    QTemporaryDir dir;
    const std::string picture = dir.filePath("sample.bmp").toStdString();
    test::WriteFile(picture, test::EncodePicture(SamplePicture(), "BMP"));
    test::ScriptedDialogs dialogs;
    frmMain w(dialogs);
    w.show();
    ASSERT_TRUE(w.LoadPictureFile(picture));
    w.Play();
    EXPECT_TRUE(w.grab().save(QDir(QString::fromLocal8Bit(out)).filePath("main.png")));
    w.SetMode(false);
    EXPECT_TRUE(w.grab().save(QDir(QString::fromLocal8Bit(out)).filePath("main_web.png")));
}

}  // namespace glifora
