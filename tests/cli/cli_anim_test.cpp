// The web, anim and frames subcommands as a user meets them: exit codes,
// files written or not, and the private frame folder of each anim run.
#include <gtest/gtest.h>

#include <QDir>

#include "animation/animart_writer.h"
#include "gif_bytes.h"
#include "platform/text_metrics.h"
#include "test_helpers.h"

namespace glifora {
namespace {

using test::RunGlifora;

// The face the command line measures in by default, which its pages name.
std::string DefaultFace() {
    return MeasuredFace(MakeTextArtFont("Lucida Console", 6));
}

class CliAnim : public test::InTempDir {
  protected:
    void SetUp() override {
        // Each run's private frame folder goes here, where the test can see it.
        QDir(dir.path()).mkdir("runtime");
        previousRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", dir.filePath("runtime").toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", previousRuntime_); }
    std::string Gif() {
        const std::string path = Path("two.gif");
        test::WriteFile(path, test::GifHeader() + test::GifFrame(0) + test::GifFrame(1) + ";");
        return path;
    }
    bool RuntimeIsEmpty() { return QDir(dir.filePath("runtime")).isEmpty(); }

  private:
    QByteArray previousRuntime_;
};

TEST_F(CliAnim, WebOptionsReachThePage) {
    const std::string picture = Bmp("p.bmp", Raster(4, 2, MakeColor(10, 0, 255)));
    const std::string out = Path("w.html");
    const auto r = RunGlifora({"web", picture, "-o", out, "--quality", "--size", "5",
                               "--background", "0a00ff", "--borders", "top,right"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string page = test::ReadFile(out);
    EXPECT_NE(page.find("bgcolor=\"#0A00FF\""), std::string::npos);
    EXPECT_NE(page.find("<font style=\"color:rgb(-1,0,0)\">00000<br>\r\n"), std::string::npos);
    // The binary palette comes from the seeded generator: same seed, same page.
    const auto a = RunGlifora({"web", picture, "-o", Path("a.html"), "--seed", "5"});
    const auto b = RunGlifora({"web", picture, "-o", Path("b.html"), "--seed", "5"});
    ASSERT_EQ(a.status + b.status, 0);
    EXPECT_EQ(test::ReadFile(Path("a.html")), test::ReadFile(Path("b.html")));
    ASSERT_EQ(RunGlifora({"web", picture, "-o", out, "--text", "ñ<"}).status, 0);
    EXPECT_NE(test::ReadFile(out).find(">\xF1&lt;<br>"), std::string::npos);
}

TEST_F(CliAnim, FramesSplitsAndCountsZeroForNonGifs) {
    const auto r = RunGlifora({"frames", Gif(), "-d", Path("out")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files),
              (QStringList{"Fotograma 01.bmp", "Fotograma 02.bmp"}));

    test::WriteFile(Path("fake.gif"), "GIF89a but nothing after");
    const auto none = RunGlifora({"frames", Path("fake.gif"), "-d", Path("none")});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "0\n");
    EXPECT_FALSE(test::FileExists(Path("none")));
}

TEST_F(CliAnim, AnimFromAGifTakesTheChosenFrames) {
    const std::string out = Path("a.html");
    const auto r = RunGlifora({"anim", Gif(), "-o", out, "--columns", "3", "--frames", "2,1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string page = test::ReadFile(out);
    EXPECT_NE(page.find("  var max_pics=2;\r\n"), std::string::npos);
    EXPECT_NE(page.find(" <div id=\"text2\">"), std::string::npos);
    EXPECT_TRUE(RuntimeIsEmpty());  // the run's frame folder is gone

    ASSERT_EQ(RunGlifora({"anim", Gif(), "-o", out, "--frames="}).status, 0);
    EXPECT_EQ(test::ReadFile(out), AnimArtPageHead(0) + AnimArtPageTail());
}

TEST_F(CliAnim, SeededEffectsGiveTheFirstFrameTheAsciiText) {
    QDir(dir.path()).mkdir("pics");
    const std::string picture = Bmp("pics/grey.bmp", Raster(40, 20, 0x808080));
    const std::vector<std::string> same = {"--seed",   "5",         "--effect",
                                           "ruido:80", "--columns", "20"};
    std::vector<std::string> ascii = {"ascii", picture, "-o", Path("a.txt")};
    std::vector<std::string> anim = {"anim", Path("pics"), "-o", Path("a.html")};
    ascii.insert(ascii.end(), same.begin(), same.end());
    anim.insert(anim.end(), same.begin(), same.end());
    ASSERT_EQ(RunGlifora(ascii).status, 0);
    ASSERT_EQ(RunGlifora(anim).status, 0);
    std::string text = test::ReadFile(Path("a.txt"));
    text = text.substr(text.find("\r\n") + 2);
    text.resize(text.size() - 2);
    EXPECT_NE(test::ReadFile(Path("a.html")).find(AnimArtFrameBlock(1, text, DefaultFace())),
              std::string::npos);
}

TEST_F(CliAnim, AnimFailuresWriteNothing) {
    const std::string out = Path("a.html");
    QDir(dir.path()).mkdir("empty");
    QDir(dir.path()).mkdir("bad");
    test::WriteFile(Path("bad/x.bmp"), "not a picture");
    test::WriteFile(Path("fake.gif"), "this is not a GIF");
    struct Case {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"anim", Path("empty"), "-o", out}, 1},
        {{"anim", Path("fake.gif"), "-o", out}, 1},
        {{"anim", Gif(), "-o", Path("no/dir/a.html")}, 1},
        {{"anim", Gif(), "-o", out, "--frames", "1,3"}, 2},
        {{"anim", Gif(), "-o", out, "--frames", "1,"}, 2},
    };
    for (const Case& c : cases) {
        const auto r = RunGlifora(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << " " << c.args.back() << "\n" << r.err;
        EXPECT_FALSE(test::FileExists(out)) << c.args.back();
        EXPECT_TRUE(RuntimeIsEmpty());
    }
    // Unreadable pictures: the page is written, each frame repeating the last
    // good one (none here: empty frames), with a warning.
    const auto r = RunGlifora({"anim", Path("bad"), "-o", out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("aviso"), std::string::npos);
    EXPECT_EQ(test::ReadFile(out),
              AnimArtPageHead(1) + AnimArtFrameBlock(1, "", DefaultFace()) + AnimArtPageTail());
}

}  // namespace
}  // namespace glifora
