// "Guardar como imagen..." in the main window and the editor: the same picture
// the command line writes for the same settings.
#include <gtest/gtest.h>

#include <QAction>
#include <QSlider>
#include <QToolBar>

#include "app/frm_main.h"
#include "app/widgets.h"
#include "editor/editor_text.h"
#include "editor/frm_editor.h"
#include "platform/picture_decoder.h"
#include "platform/text_metrics.h"
#include "scripted_dialogs.h"
#include "test_helpers.h"
#include "textart/art_picture.h"

namespace glifora {
namespace {

class SavePicture : public test::InTempDir {
  protected:
    test::ScriptedDialogs dialogs;
    std::string Gradient() {
        Raster r(120, 60);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 120; ++x) r.SetPixel(x, y, MakeColor(x * 2, x * 2, y * 4));
        return Bmp("g.bmp", r);
    }
};

TEST_F(SavePicture, TheWindowWritesWhatTheCommandLineWrites) {
    frmMain w(dialogs);
    const std::string picture = Gradient();
    w.sldTamaño->setValue(3);
    dialogs.openPaths.push_back(picture);
    w.Action("mnuLoadImage")->trigger();
    w.Toolbar1->findChild<QAction*>("Play")->trigger();
    ASSERT_FALSE(w.TextArt().empty());
    dialogs.colors = {MakeColor(200, 0, 0), MakeColor(0, 0, 90)};
    w.lblAsciiForeColor->clicked();
    w.lblAsciiBackcolor->clicked();
    for (const char* name : {"w.png", "w.bmp"}) {
        dialogs.savePaths.push_back(Path(name));
        w.Action("mnuSaveImage")->trigger();
        EXPECT_EQ(dialogs.Last("save")->filter, "Imagen PNG|*.png|Imagen BMP|*.bmp");
        const std::string cli = Path(name[2] == 'p' ? "c.png" : "c.bmp");
        const auto r =
            test::RunGlifora({"ascii", picture, "--columns", std::to_string(w.ColumnCount()), "-o",
                              cli, "--fg", "C80000", "--bg", "00005A"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(test::ReadFile(Path(name)), test::ReadFile(cli)) << name;
    }
    EXPECT_EQ(dialogs.Count("message"), 0);
    // A failure is reported like every other save and leaves nothing.
    dialogs.savePaths.push_back(Path("missing/w.png"));
    w.Action("mnuSaveImage")->trigger();
    ASSERT_NE(dialogs.Last("message"), nullptr);
    EXPECT_EQ(dialogs.Last("message")->text.rfind("No se ha podido guardar el archivo", 0), 0u);
    EXPECT_FALSE(test::FileExists(Path("missing")));
}

TEST_F(SavePicture, TheEditorSavesItsTextInTheTextArtFont) {
    frmMain w(dialogs, MainOptions{true});
    dialogs.openPaths.push_back(Gradient());
    w.Action("mnuLoadImage")->trigger();
    w.Toolbar1->findChild<QAction*>("Play")->trigger();
    w.OpenEditor();
    auto* editor = w.findChild<frmEditor*>();
    ASSERT_NE(editor, nullptr);
    const std::string text = EditorText(editor->Document());
    ASSERT_FALSE(text.empty());
    dialogs.savePaths.push_back(Path("e.bmp"));
    editor->Action("mnuSaveImage")->trigger();
    const ArtPicture want = RenderArtPicture(text, MakeTextArtFont("Lucida Console", 6), {});
    ASSERT_TRUE(want.Ok());
    EXPECT_EQ(DecodePicture(Path("e.bmp")).raster, want.picture);
}

}  // namespace
}  // namespace glifora
