#include "animation/animart_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "animation/gif_frames.h"
#include "gif_bytes.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace glifora {
namespace {

// Stands in for the window: the working picture and TextArt. Each frame's
// text names the picture's top-left colour, with markup characters in it.
class FakeWindow final : public FrameTextMaker {
  public:
    Raster picMain{1, 1, 0x123456};
    std::string TextArt;
    int loads = 0;
    void LoadFrame(Raster picture) override {
        picMain = std::move(picture);
        ++loads;
    }
    std::string ConvertFrame() override {
        TextArt = "<" + std::to_string(picMain.Pixel(0, 0)) + "&>\r\nrow";
        return TextArt;
    }
};

std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < page.size()) {
        const size_t end = page.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(page.substr(pos) + "<no CR LF>");
            break;
        }
        lines.push_back(page.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

TEST(AnimArtPage, EmptySelectionStillWritesThePage) {
    const std::string page = AnimArtPageHead(0) + AnimArtPageTail();
    const std::vector<std::string> lines = Lines(page);
    ASSERT_EQ(lines.size(), 85u);
    EXPECT_EQ(lines[0], "<html>");
    EXPECT_EQ(lines[4], "  <!-- DHTML -->");
    EXPECT_EQ(lines[5], "  var max_pics=0;");
    EXPECT_EQ(lines[6], "  var delay=80;");
    EXPECT_EQ(lines[15], "  for (i=0;i<=max_pics;i++) ");
    EXPECT_EQ(lines[35], "   var doc = 'document.getElementById(\\\"';");
    EXPECT_EQ(lines[52], "   if (run) {document.F0.B0.value=\" Pausa \"; show();}");
    EXPECT_EQ(lines[60],
              "    <p><font size=1 face=\"Courier New\" color=\"#000000\"> </font><font size=1 "
              "face=\"Courier New\" color=\"#000000\"> ");
    EXPECT_EQ(lines[66],
              "            <input style=\"font-family: 'Courier New'\" onClick=stat(); "
              "type=button value=\"Stop\" name=B0>");
    EXPECT_EQ(lines[82], " </div>");
    EXPECT_EQ(lines[83], "</body>");
    EXPECT_EQ(lines[84], "</html>");
}

TEST(AnimArtPage, FrameBlockEscapesItsText) {
    EXPECT_EQ(AnimArtFrameBlock(12, "a<b>&c\r\nd"),
              " <div id=\"text12\">\r\n  <pre><font face=MS Sans Serif; Size = 1 > \r\n"
              "a&lt;b&gt;&amp;c\r\nd\r\n  </font></pre>\r\n </div>\r\n");
}

class AnimArt : public ::testing::Test {
  protected:
    std::string Path(const QString& name) { return dir.filePath(name).toStdString(); }
    std::string MakeFolder(const QString& name) {
        QDir(dir.path()).mkpath(name);
        return Path(name);
    }
    void Picture(const std::string& path, ColorValue c) {
        test::WriteFile(path, test::EncodePicture(Raster(2, 2, c), "BMP"));
    }

    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    FakeWindow window;
    test::RecordedShell shell;
    std::vector<std::string>& opened = shell.opened;
};

TEST_F(AnimArt, FolderPicturesInCaseInsensitiveOrder) {
    const std::string folder = MakeFolder("pics");
    for (const char* name : {"b.bmp", "A.bmp", "C.jpg", "d.GIF", "e.JPEG", "f.png"})
        Picture(folder + "/" + name, 0);
    QDir(QString::fromStdString(folder)).mkdir("g.bmp");
    EXPECT_EQ(ListPictureFiles(folder),
              (std::vector<std::string>{"A.bmp", "b.bmp", "C.jpg", "d.GIF", "e.JPEG"}));
    EXPECT_TRUE(ListPictureFiles(Path("nowhere")).empty());
}

TEST_F(AnimArt, WritesEveryFramePlainTextArtStaysPlain) {
    const std::string folder = MakeFolder("pics");
    Picture(folder + "/1.bmp", MakeColor(1, 0, 0));
    test::WriteFile(folder + "/2.bmp", "not a picture");  // repeats frame 1
    Picture(folder + "/3.bmp", MakeColor(3, 0, 0));
    const std::string page = Path("anim.html");
    dialogs.savePaths = {page};
    const AnimArtResult r = WriteAnimArt({folder, false, {}, true}, window, dialogs);
    ASSERT_EQ(r.outcome, AnimArtOutcome::Written);
    EXPECT_EQ(r.frames, 3);
    EXPECT_EQ(r.undecodable, std::vector<std::string>{folder + "/2.bmp"});
    EXPECT_EQ(dialogs.Last("save")->title, "Guardar el AnimArt");
    EXPECT_EQ(window.loads, 2);
    EXPECT_EQ(window.TextArt, "<3&>\r\nrow");  // the caller's text is not escaped
    EXPECT_EQ(test::ReadFile(page), AnimArtPageHead(3) + AnimArtFrameBlock(1, "<1&>\r\nrow") +
                                        AnimArtFrameBlock(2, "<1&>\r\nrow") +
                                        AnimArtFrameBlock(3, "<3&>\r\nrow") + AnimArtPageTail());
    EXPECT_EQ(opened, std::vector<std::string>{page});
}

TEST_F(AnimArt, GifFramesInSelectionOrder) {
    const std::string folder = MakeFolder("GLF");
    const std::string gif = test::GifHeader() + test::GifFrame(0) + test::GifFrame(1) + ";";
    ASSERT_TRUE(WriteFrameFiles(gif, folder).error.empty());
    dialogs.savePaths = {Path("a.html"), Path("b.html")};
    ASSERT_EQ(WriteAnimArt({folder, true, {"02", "01", "02"}, false}, window, dialogs).outcome,
              AnimArtOutcome::Written);
    const std::string black = AnimArtFrameBlock(1, "<0&>\r\nrow").substr(19);
    const std::string white = AnimArtFrameBlock(1, "<16777215&>\r\nrow").substr(19);
    const std::string written = test::ReadFile(Path("a.html"));
    EXPECT_EQ(written, AnimArtPageHead(3) + " <div id=\"text1\">\r\n" + black +
                           " <div id=\"text2\">\r\n" + white + " <div id=\"text3\">\r\n" + black +
                           AnimArtPageTail());
    EXPECT_TRUE(opened.empty());
    // No frame ticked: the page holds none.
    ASSERT_EQ(WriteAnimArt({folder, true, {}, false}, window, dialogs).outcome,
              AnimArtOutcome::Written);
    EXPECT_EQ(test::ReadFile(Path("b.html")), AnimArtPageHead(0) + AnimArtPageTail());
}

TEST_F(AnimArt, NothingAskedOrWrittenWithoutPicturesOrAnswer) {
    EXPECT_EQ(WriteAnimArt({MakeFolder("empty"), true, {"01"}, true}, window, dialogs).outcome,
              AnimArtOutcome::NoPictures);
    EXPECT_EQ(dialogs.Count("save"), 0);
    const std::string folder = MakeFolder("pics");
    Picture(folder + "/a.bmp", 0);
    EXPECT_EQ(WriteAnimArt({folder, false, {}, true}, window, dialogs).outcome,
              AnimArtOutcome::Cancelled);
    EXPECT_EQ(window.loads, 0);
    EXPECT_TRUE(opened.empty());
}

TEST_F(AnimArt, UnwritablePageIsReported) {
    const std::string folder = MakeFolder("pics");
    Picture(folder + "/a.bmp", 0);
    for (const std::string& page : {Path("no/such/folder/a.html"), folder}) {
        dialogs.savePaths = {page};
        const AnimArtResult r = WriteAnimArt({folder, false, {}, true}, window, dialogs);
        EXPECT_EQ(r.outcome, AnimArtOutcome::Failed) << page;
        ASSERT_NE(dialogs.Last("message"), nullptr);
        EXPECT_NE(dialogs.Last("message")->text.find(page), std::string::npos);
    }
    EXPECT_FALSE(test::FileExists(Path("no")));
    EXPECT_TRUE(opened.empty());
}

TEST_F(AnimArt, FolderMenuAsksFirst) {
    const std::string folder = MakeFolder("pics");
    Picture(folder + "/a.bmp", 0);
    EXPECT_EQ(AnimArtFromFolder(window, dialogs, false).outcome, AnimArtOutcome::Cancelled);
    ASSERT_EQ(dialogs.Count("ask"), 1);
    EXPECT_EQ(dialogs.Last("ask")->title, "");
    EXPECT_EQ(dialogs.Last("ask")->text,
              "Mediante esta opcion generará un archivo HTML con la animación de los bmp´s que se "
              "encuentren en el directorio seleccionado.\nSe seguirá un orden alfabético de los "
              "archivos para la generación de la animación. Si el directorio contiene muchos "
              "archivos,este proceso puede llevar bastante tiempo.\n ¿Desea continuar?");
    EXPECT_EQ(dialogs.Count("folder"), 0);

    dialogs.answers = {true, true};
    dialogs.folders = {"", folder};
    dialogs.savePaths = {Path("x.html")};
    EXPECT_EQ(AnimArtFromFolder(window, dialogs, false).outcome, AnimArtOutcome::Cancelled);
    EXPECT_EQ(dialogs.Count("save"), 0);
    EXPECT_EQ(AnimArtFromFolder(window, dialogs, false).outcome, AnimArtOutcome::Written);
    EXPECT_TRUE(test::FileExists(Path("x.html")));
}

}  // namespace
}  // namespace glifora
