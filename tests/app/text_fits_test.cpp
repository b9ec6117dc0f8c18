// Every window and dialog of the desktop program, in the states a user meets
// them, shows each caption, item and header whole: measured with the fonts
// and style in use, against the widgets' geometry. With GLIFORA_SCREENSHOT_DIR
// set, the same windows are also saved there as pictures for a person to look
// at (under a virtual display: QT_QPA_PLATFORM=xcb xvfb-run ...).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "animation/frm_gif_avance.h"
#include "app/clipped_texts.h"
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
namespace {

class EveryWindow : public ::testing::Test {
  protected:
    // Qt's own dialogs and buttons speak Spanish in the program, and Spanish
    // words are longer.
    static void SetUpTestSuite() { InstallSpanish(); }

    // Shows each window in each state as the user sees it, then hands it to
    // `look` with a name for the state.
    void Tour(const std::function<void(QWidget*, const char*)>& look) {
        const auto show = [&](QWidget* w, const char* name) {
            w->show();
            QApplication::processEvents();
            look(w, name);
        };
        show(&window, "main_start");
        const std::string picture = dir.filePath("sample.bmp").toStdString();
        test::WriteFile(picture, test::EncodePicture(SamplePicture(), "BMP"));
        ASSERT_TRUE(window.LoadPictureFile(picture));
        window.Play();
        window.chkAsciiNegativo->setChecked(true);
        window.chkAnimArt->setChecked(true);
        window.Command1->click();  // the algorithm options, inside the window
        show(&window, "main");
        window.SetMode(false);
        window.chkWebCalidad->click();
        show(&window, "main_web");

        window.Action("mnuEditor")->trigger();
        auto* editor = window.findChild<frmEditor*>();
        ASSERT_NE(editor, nullptr);
        show(editor, "editor");
        editor->cmd1->click();
        show(editor, "editor_characters");
        // The first image entry that asks for a strength.
        for (QMenu* menu : window.Menu("mnuImagen")->findChildren<QMenu*>())
            for (QAction* a : menu->actions())
                if (!window.EfectConfig()->isVisible() && !a->menu() && !a->isSeparator())
                    a->trigger();
        ASSERT_TRUE(window.EfectConfig()->isVisible());
        show(window.EfectConfig(), "strength");

        frmFonts fonts([](const std::string&) {});
        show(&fonts, "fixed_fonts");
        frmFonts many([](const std::string&) {}, nullptr,
                      [] {
                          return std::vector<std::string>{"DejaVu Sans Mono", "Liberation Mono",
                                                          "Nimbus Mono PS", "Noto Sans Mono",
                                                          "Courier New"};
                      });
        show(&many, "fixed_fonts_listed");
        // As the font command opens it: any face, the text art's face selected.
        QFontDialog font(QFont("DejaVu Sans Mono", 10));
        font.setOption(QFontDialog::MonospacedFonts, false);
        PrepareFontDialog(font);
        SelectClosestStyle(font, QFont("DejaVu Sans Mono", 10));
        show(&font, "font_dialog");
        QColorDialog colour;
        show(&colour, "colour_dialog");

        std::vector<std::string> selection = {"01", "100"};
        frmGIFAvance gif(150, selection, "/nonexistent");
        show(&gif, "frames");
        test::WriteFile(dir.filePath("r.reg").toStdString(),
                        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad]\r\n"
                        "\"lfFaceName\"=\"Lucida Console\"\r\n\"iPointSize\"=dword:00000069\r\n");
        frmSistema host{ValueStore(dir.filePath("r.reg").toStdString())};
        show(&host, "host_settings");
        frmAbout about(nullptr);
        show(&about, "about");
        PageWriteCancel writing(&window);
        show(&writing.Box(), "page_progress");
    }

    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    frmMain window{dialogs, MainOptions{true}};
};

TEST_F(EveryWindow, ShowsEveryTextWhole) {
    Tour([](QWidget* w, const char* state) {
        EXPECT_THAT(test::ClippedTexts(w), ::testing::IsEmpty()) << state;
    });
}

TEST_F(EveryWindow, SavesScreenshotsWhenAsked) {
    const QString out = qEnvironmentVariable("GLIFORA_SCREENSHOT_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "GLIFORA_SCREENSHOT_DIR not set";
    const auto save = [&](QWidget* w, const char* name) {
        EXPECT_TRUE(w->grab().save(QDir(out).filePath(QString(name) + ".png"))) << name;
    };
    Tour(save);
    test::WriteFile(dir.filePath("dibujo.bmp").toStdString(), "BM");
    QFileDialog files(nullptr, "Abrir", dir.path());
    files.setNameFilters({"Imágenes (*.bmp *.jpg *.gif)", "Todos los archivos (*.*)"});
    PrepareFileDialog(files);
    files.show();
    for (int i = 0; i < 50; ++i, QThread::msleep(10)) QApplication::processEvents();
    save(&files, "file_dialog");
}

}  // namespace
}  // namespace glifora
