// The main window's web art, animation and working folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

#include "app/frm_main.h"
#include "app/widgets.h"
#include "gif_bytes.h"
#include "platform/random.h"
#include "scripted_dialogs.h"
#include "test_helpers.h"

namespace glifora {
namespace {

class WindowAnimation : public test::InTempDir {
  protected:
    QTemporaryDir runtime;  // stands for the per-user temporary folder
    test::ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> w;
    test::RecordedShell shell;
    QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");

    void SetUp() override {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        w = std::make_unique<frmMain>(dialogs);
    }
    void TearDown() override {
        w.reset();
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
    }
    std::string Folder() const { return runtime.filePath("GLF").toStdString(); }
    // Two 1 x 1 frames, white then black.
    std::string TwoFrameGif(const char* name) {
        test::WriteFile(Path(name),
                        test::GifHeader() + test::GifFrame(0) + test::GifFrame(1) + ";");
        return Path(name);
    }
    // A folder "pics" holding one picture.
    std::string Pictures() {
        QDir(dir.path()).mkpath("pics");
        Bmp("pics/a.bmp", Raster(2, 2, 0));
        return Path("pics");
    }
};

TEST_F(WindowAnimation, AnAnimatedGifEnablesTheAnimationAndPlayWritesItsPage) {
    ASSERT_TRUE(w->LoadPictureFile(TwoFrameGif("anim.Gif")));
    EXPECT_EQ(QDir(QString::fromStdString(Folder())).entryList({"*.bmp"}, QDir::Files).size(), 2);
    EXPECT_TRUE(w->chkAnimArt->isEnabled());
    EXPECT_TRUE(w->cmdGIFAvance->isEnabled());
    EXPECT_EQ(w->Frames().selection, (std::vector<std::string>{"01", "02"}));
    w->chkAnimArt->setChecked(true);
    const std::string page = Path("anim.html");
    dialogs.savePaths.push_back(page);
    w->Play();
    EXPECT_NE(test::ReadFile(page).find("<html>"), std::string::npos);
    EXPECT_FALSE(w->prgBar1->isVisible());
    // The working picture went through the frames: the last one is black.
    EXPECT_EQ(w->Picture().Displayed().Pixel(0, 0), 0);

    // No frame selected ("Ninguno" in the frame dialog) is said, nothing written.
    w->Frames().selection.clear();
    dialogs.savePaths.push_back(Path("none.html"));
    w->Play();
    EXPECT_EQ(dialogs.Count("save"), 1);
    ASSERT_EQ(dialogs.Count("message"), 1);
    EXPECT_NE(dialogs.Last("message")->text.find("fotograma"), std::string::npos);
    EXPECT_FALSE(test::FileExists(Path("none.html")));
}

TEST_F(WindowAnimation, StartUpMakesAPrivateFolderWhichClosingDeletesUnlessSomethingElseIsThere) {
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Folder())).isDir());
    EXPECT_EQ(QFile::permissions(QString::fromStdString(Folder())) &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    ASSERT_TRUE(w->LoadPictureFile(TwoFrameGif("a.gif")));
    w->close();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Folder())));

    auto second = std::make_unique<frmMain>(dialogs);
    ASSERT_TRUE(second->LoadPictureFile(TwoFrameGif("b.gif")));
    test::WriteFile(Folder() + "/notas.txt", "mine");
    second->Action("mnuSalir")->trigger();  // the same clean-up as closing
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(Folder() + "/notas.txt")));
    EXPECT_TRUE(QDir(QString::fromStdString(Folder())).entryList({"*.bmp"}, QDir::Files).isEmpty());
}

TEST_F(WindowAnimation, WebPageCancelledWrittenOrReported) {
    const Raster red(2, 2, MakeColor(255, 0, 0));
    ASSERT_TRUE(w->LoadPictureFile(Bmp("p.bmp", red)));
    w->SetMode(false);
    w->chkWebCalidad->click();  // quality takes the largest cell
    EXPECT_EQ(w->sldWTamaño->value(), 5);
    w->chkWebArtPrev->setChecked(true);
    dialogs.colors = {MakeColor(10, 0, 255), -1};
    w->lblWebBackColor->clicked();
    w->lblWebBackColor->clicked();  // cancelled: the colour stays
    EXPECT_EQ(w->WebState().WebBackColor, "#0A00FF");

    w->Play();  // the save dialog cancelled: nothing written or opened
    EXPECT_TRUE(shell.opened.empty());

    const std::string page = Path("page.html");
    dialogs.savePaths = {page};
    SeedRandom(3);
    w->Play();
    EXPECT_EQ(dialogs.Last("save")->filter, "Archivo HTML|*.html");
    EXPECT_EQ(dialogs.Last("save")->title, "Guardar el WebArt");
    SeedRandom(3);
    WebArtState same;
    same.WebBackColor = "#0A00FF";
    const WebArtSettings settings = w->WebSettings();
    PrepareWebPalette(settings, same);
    EXPECT_EQ(test::ReadFile(page), WebArtPage(red, settings, same));
    EXPECT_EQ(shell.opened, std::vector<std::string>{page});

    const std::string missing = Path("missing/page.html");
    dialogs.savePaths = {missing};
    w->Play();
    ASSERT_EQ(dialogs.Count("message"), 1);
    EXPECT_EQ(dialogs.Last("message")->text, "No se ha podido guardar el archivo\n" + missing);
    EXPECT_EQ(dialogs.Last("message")->title, "Glifora");
    EXPECT_FALSE(test::FileExists(missing));
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(WindowAnimation, FolderMenuAsksFirstAndReportsAnUnwritablePage) {
    const std::string folder = Pictures();
    w->AnimArtFromDirectory();  // answered No
    ASSERT_EQ(dialogs.Count("ask"), 1);
    EXPECT_EQ(dialogs.Last("ask")->title, "");
    EXPECT_EQ(dialogs.Last("ask")->text,
              "Mediante esta opcion generará un archivo HTML con la animación de los bmp´s que se "
              "encuentren en el directorio seleccionado.\nSe seguirá un orden alfabético de los "
              "archivos para la generación de la animación. Si el directorio contiene muchos "
              "archivos,este proceso puede llevar bastante tiempo.\n ¿Desea continuar?");
    EXPECT_EQ(dialogs.Count("folder"), 0);

    const std::string page = Path("x.html");
    dialogs.answers = {true, true};
    dialogs.folders = {"", folder};
    dialogs.savePaths = {page};
    w->AnimArtFromDirectory();  // no folder chosen
    EXPECT_EQ(dialogs.Count("save"), 0);
    w->AnimArtFromDirectory();
    EXPECT_EQ(dialogs.Last("save")->title, "Guardar el AnimArt");
    EXPECT_EQ(test::ReadFile(page).substr(0, 6), "<html>");

    w->chkAsciiPrev->setChecked(true);  // a page that was not written is not opened
    for (const std::string& bad : {Path("no/such/a.html"), folder}) {
        dialogs.answers = {true};
        dialogs.folders = {folder};
        dialogs.savePaths = {bad};
        w->AnimArtFromDirectory();
        ASSERT_NE(dialogs.Last("message"), nullptr);
        EXPECT_NE(dialogs.Last("message")->text.find(bad), std::string::npos);
    }
    EXPECT_FALSE(test::FileExists(Path("no")));
    EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
}  // namespace glifora
