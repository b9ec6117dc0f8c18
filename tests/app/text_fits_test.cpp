// Every window and dialog of the desktop program, in the states a user meets
// them, shows each caption, item and header whole: measured with the fonts
// and style in use, against the widgets' geometry.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>

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

using ::testing::IsEmpty;

class TextsFit : public ::testing::Test {
  protected:
    // Qt's own dialogs and buttons speak Spanish in the program, and Spanish
    // words are longer.
    static void SetUpTestSuite() { InstallSpanish(); }

    // Shows `w` as the user sees it and expects nothing clipped.
    static void ExpectFits(QWidget* w, const char* state) {
        w->show();
        QApplication::processEvents();
        EXPECT_THAT(test::ClippedTexts(w), IsEmpty()) << state;
    }

    // The main window with every control shown and a converted picture.
    void LoadAndPlay() {
        const std::string picture = dir.filePath("sample.bmp").toStdString();
        test::WriteFile(picture, test::EncodePicture(SamplePicture(), "BMP"));
        ASSERT_TRUE(window.LoadPictureFile(picture));
        window.Play();
    }

    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    frmMain window{dialogs, MainOptions{true}};
};

TEST_F(TextsFit, MainWindowInBothModesWithTheHiddenControls) {
    ExpectFits(&window, "at start");
    LoadAndPlay();
    window.chkAsciiNegativo->setChecked(true);
    window.chkAnimArt->setChecked(true);
    window.Command1->click();  // the algorithm options, inside the window
    ExpectFits(&window, "ASCII mode");
    window.SetMode(false);
    window.chkWebCalidad->click();
    ExpectFits(&window, "web mode");
}

TEST_F(TextsFit, EditorWithItsCharacterList) {
    LoadAndPlay();
    window.Action("mnuEditor")->trigger();
    auto* editor = window.findChild<frmEditor*>();
    ASSERT_NE(editor, nullptr);
    ExpectFits(editor, "editor");
    editor->cmd1->click();
    ExpectFits(editor, "editor with its characters");
}

TEST_F(TextsFit, StrengthDialog) {
    LoadAndPlay();
    // The first image entry that asks for a strength.
    for (QMenu* menu : window.Menu("mnuImagen")->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (!window.EfectConfig()->isVisible() && !a->menu() && !a->isSeparator()) a->trigger();
    ASSERT_TRUE(window.EfectConfig()->isVisible());
    ExpectFits(window.EfectConfig(), "strength");
}

TEST_F(TextsFit, FontDialogsAndTheFixedFontList) {
    frmFonts fonts([](const std::string&) {});
    ExpectFits(&fonts, "fixed fonts installed");
    frmFonts many([](const std::string&) {}, nullptr,
                  [] {
                      return std::vector<std::string>{"DejaVu Sans Mono", "Liberation Mono",
                                                      "Nimbus Mono PS", "Noto Sans Mono",
                                                      "Courier New"};
                  });
    ExpectFits(&many, "fixed fonts listed");
    // As the font command opens it: any face, the text art's face selected.
    QFontDialog font(QFont("DejaVu Sans Mono", 10));
    font.setOption(QFontDialog::MonospacedFonts, false);
    PrepareFontDialog(font);
    ExpectFits(&font, "font dialog");
    QColorDialog colour;
    ExpectFits(&colour, "colour dialog");
}

TEST_F(TextsFit, FrameSelectionHostSettingsAboutAndPageProgress) {
    std::vector<std::string> selection = {"01", "100"};
    frmGIFAvance gif(150, selection, "/nonexistent");
    ExpectFits(&gif, "frame selection");
    test::WriteFile(dir.filePath("r.reg").toStdString(),
                    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad]\r\n"
                    "\"lfFaceName\"=\"Lucida Console\"\r\n\"iPointSize\"=dword:00000069\r\n");
    frmSistema host{ValueStore(dir.filePath("r.reg").toStdString())};
    ExpectFits(&host, "host settings");
    frmAbout about(nullptr);
    ExpectFits(&about, "about");
    PageWriteCancel writing(&window);
    ExpectFits(&writing.Box(), "page progress");
}

}  // namespace
}  // namespace glifora
