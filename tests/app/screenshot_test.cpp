// Renders the main window after a conversion, and every dialog and window it
// opens, into $GLIFORA_SCREENSHOT_DIR, for a person to look at (under a
// virtual display: QT_QPA_PLATFORM=xcb xvfb-run ...). Without the variable
// there is nothing to do.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include "animation/frm_gif_avance.h"
#include "app/frm_about.h"
#include "app/frm_main.h"
#include "app/page_write_progress.h"
#include "app/translations.h"
#include "cli/sample_picture.h"
#include "editor/frm_editor.h"
#include "filters/frm_efect_config.h"
#include "fonts/frm_fonts.h"
#include "hostsettings/frm_sistema.h"
#include "platform/qt_dialog_texts.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace glifora {

TEST(Screenshot, MainWindowAfterPlay) {
    const QByteArray out = qgetenv("GLIFORA_SCREENSHOT_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "GLIFORA_SCREENSHOT_DIR not set";
    InstallSpanish();
    auto save = [&](QWidget* w, const char* name) {
        w->show();
        QApplication::processEvents();
        EXPECT_TRUE(w->grab().save(QDir(QString::fromLocal8Bit(out)).filePath(name))) << name;
    };
    QTemporaryDir dir;
    const std::string picture = dir.filePath("sample.bmp").toStdString();
    test::WriteFile(picture, test::EncodePicture(SamplePicture(), "BMP"));
    test::ScriptedDialogs dialogs;
    frmMain w(dialogs, MainOptions{true});
    ASSERT_TRUE(w.LoadPictureFile(picture));
    w.Play();
    w.chkAsciiNegativo->click();
    w.Command1->click();
    save(&w, "main.png");
    w.SetMode(false);
    w.chkWebCalidad->click();
    save(&w, "main_web.png");

    w.OpenEditor();
    auto* editor = w.findChild<frmEditor*>();
    save(editor, "editor.png");
    editor->cmd1->click();
    save(editor, "editor_characters.png");

    for (QMenu* menu : w.Menu("mnuImagen")->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (!w.EfectConfig()->isVisible() && !a->menu() && !a->isSeparator()) a->trigger();
    save(w.EfectConfig(), "strength.png");

    std::vector<std::string> selection = {"01", "03"};
    frmGIFAvance frames(120, selection, dir.path().toStdString());
    save(&frames, "frames.png");
    frmSistema host{ValueStore(dir.filePath("r.reg").toStdString())};
    save(&host, "host_settings.png");
    frmAbout about(nullptr);
    save(&about, "about.png");
    frmFonts fonts([](const std::string&) {});
    save(&fonts, "fixed_fonts.png");
    QFontDialog font(QFont("DejaVu Sans", 10));
    PrepareFontDialog(font);
    SelectClosestStyle(font, QFont("DejaVu Sans", 10));
    save(&font, "font_dialog.png");
    QColorDialog colour;
    save(&colour, "colour_dialog.png");
    test::WriteFile(dir.filePath("dibujo.bmp").toStdString(), "BM");
    QFileDialog files(nullptr, "Abrir", dir.path());
    files.setNameFilters({"Imágenes (*.bmp *.jpg *.gif)", "Todos los archivos (*.*)"});
    PrepareFileDialog(files);
    files.show();
    for (int i = 0; i < 50; ++i, QThread::msleep(10)) QApplication::processEvents();
    save(&files, "file_dialog.png");
    PageWriteCancel writing(&w);
    save(&writing.Box(), "page_progress.png");
}

}  // namespace glifora
