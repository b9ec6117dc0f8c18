#include "animation/animart_writer.h"

#include <gtest/gtest.h>

#include <QDir>

#include "animation/gif_frames.h"
#include "gif_bytes.h"
#include "test_helpers.h"

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

// The page's lines; every one, the last too, ends in CR LF.
std::vector<std::string> Lines(const std::string& page) {
    EXPECT_TRUE(page.ends_with("\r\n"));
    std::vector<std::string> lines;
    for (size_t pos = 0, end; (end = page.find("\r\n", pos)) != std::string::npos; pos = end + 2)
        lines.push_back(page.substr(pos, end - pos));
    return lines;
}

TEST(AnimArtPage, EmptySelectionStillWritesThePage) {
    const std::string page = AnimArtPageHead(0) + AnimArtPageTail();
    const std::vector<std::string> lines = Lines(page);
    ASSERT_EQ(lines.size(), 85u);
    EXPECT_EQ(lines[0], "<html>");
    // The frames are Windows-1252 bytes: said so, or a browser guesses
    // (Chromium read palette 0's accented letters as Arabic).
    EXPECT_EQ(lines[1], "<head><meta charset=\"windows-1252\">");
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

TEST(AnimArtPage, FrameBlockEscapesItsTextAndNamesItsFixedFace) {
    EXPECT_EQ(AnimArtFrameBlock(12, "a<b>&c\r\nd", "DejaVu Sans Mono"),
              " <div id=\"text12\">\r\n"
              "  <pre><font face=\"DejaVu Sans Mono, monospace\"; Size = 1 > \r\n"
              "a&lt;b&gt;&amp;c\r\nd\r\n  </font></pre>\r\n </div>\r\n");
    auto faceLine = [](std::string_view face) {
        const std::string block = AnimArtFrameBlock(1, "", face);
        const size_t at = block.find("<pre>");
        return block.substr(at, block.find("\r\n", at) - at);
    };
    EXPECT_EQ(faceLine(""), "<pre><font face=\"monospace\"; Size = 1 > ");
    // Names CSS would not read as one family are quoted; the attribute is escaped.
    EXPECT_EQ(faceLine("3270 \"Nerd\" <Mono> & Co's"),
              "<pre><font face=\"'3270 &quot;Nerd&quot; &lt;Mono&gt; &amp; Co\\'s', monospace\"; "
              "Size = 1 > ");
    EXPECT_EQ(faceLine("Fira-Code_2 Ñ"),
              "<pre><font face=\"Fira-Code_2 \xD1, monospace\"; Size = 1 > ");
}

class AnimArt : public test::InTempDir {
  protected:
    std::string MakeFolder(const char* name) {
        QDir(dir.path()).mkpath(name);
        return Path(name);
    }
    void Picture(const std::string& path, ColorValue c) {
        test::WriteFile(path, test::EncodePicture(Raster(2, 2, c), "BMP"));
    }

    FakeWindow window;
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
    std::string page;
    const AnimArtPageResult r =
        WriteAnimArtPage({folder, false, {}, "Liberation Mono"}, window, StringSink(page));
    ASSERT_TRUE(r.written);
    EXPECT_EQ(r.frames, 3);
    EXPECT_EQ(r.undecodable, std::vector<std::string>{folder + "/2.bmp"});
    EXPECT_EQ(window.loads, 2);
    EXPECT_EQ(window.TextArt, "<3&>\r\nrow");  // the caller's text is not escaped
    EXPECT_EQ(page, AnimArtPageHead(3) + AnimArtFrameBlock(1, "<1&>\r\nrow", "Liberation Mono") +
                        AnimArtFrameBlock(2, "<1&>\r\nrow", "Liberation Mono") +
                        AnimArtFrameBlock(3, "<3&>\r\nrow", "Liberation Mono") + AnimArtPageTail());
}

TEST_F(AnimArt, GifFramesInSelectionOrder) {
    const std::string folder = MakeFolder("GLF");
    const std::string gif = test::GifHeader() + test::GifFrame(0) + test::GifFrame(1) + ";";
    ASSERT_TRUE(WriteFrameFiles(gif, folder).error.empty());
    std::string written;
    ASSERT_TRUE(
        WriteAnimArtPage({folder, true, {"02", "01", "02"}, {}}, window, StringSink(written))
            .written);
    const std::string black = AnimArtFrameBlock(1, "<0&>\r\nrow", "").substr(19);
    const std::string white = AnimArtFrameBlock(1, "<16777215&>\r\nrow", "").substr(19);
    EXPECT_EQ(written, AnimArtPageHead(3) + " <div id=\"text1\">\r\n" + black +
                           " <div id=\"text2\">\r\n" + white + " <div id=\"text3\">\r\n" + black +
                           AnimArtPageTail());
}

TEST_F(AnimArt, NoPicturesGiveNoPageAndARefusingSinkStopsTheFrames) {
    std::string page;
    const AnimArtPageResult none =
        WriteAnimArtPage({MakeFolder("empty"), true, {"01"}, {}}, window, StringSink(page));
    EXPECT_FALSE(none.written);
    EXPECT_TRUE(page.empty());

    const std::string folder = MakeFolder("pics");
    Picture(folder + "/a.bmp", 0);
    Picture(folder + "/b.bmp", 0);
    int pieces = 0;
    const AnimArtPageResult refused = WriteAnimArtPage(
        {folder, false, {}, {}}, window, [&](std::string_view) { return ++pieces < 2; });
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(window.loads, 1);  // the second frame is never made
}

}  // namespace
}  // namespace glifora
