// The command line as a user meets it: exit codes, files written, messages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/raster.h"
#include "test_support.h"

namespace glifora {
namespace {

using test::RunGlifora;

class Cli : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
    std::string Picture() {
        Raster r(80, 40, 0xFFFFFF);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) r.SetPixel(x, y, 0);
        const std::string path = Path("half.bmp");
        test::WriteFile(path, test::EncodePicture(r, "BMP"));
        return path;
    }
};

TEST_F(Cli, AsciiPrintsTheSamplePictureWithoutArguments) {
    const auto r = RunGlifora({"ascii", "--columns", "60"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_GT(r.out.size(), 600u);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')).size(), 60u);
}

TEST_F(Cli, AsciiWritesExactlyWhatTheSaveWrites) {
    const std::string out = Path("art.txt");
    const auto r = RunGlifora({"ascii", Picture(), "--columns", "8", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = test::ReadFile(out);
    const std::string sig =
        "Ascii Art generado por Glifora. Fuente: Lucida Console Tama\xF1o: 6\r\n";
    ASSERT_EQ(text.substr(0, sig.size()), sig);
    EXPECT_TRUE(text.ends_with("\r\n"));
    // Left half black, right half white: rows of 4 dense glyphs then 4 blanks.
    const std::string firstRow = text.substr(sig.size(), 8);
    EXPECT_EQ(firstRow.substr(4), "    ");
    EXPECT_NE(firstRow[0], ' ');
    // The same text as the terminal output, apart from the line ends.
    const auto shown = RunGlifora({"ascii", Picture(), "--columns", "8"});
    std::string body = text.substr(sig.size(), text.size() - sig.size() - 2);
    std::string lf;
    for (char c : body)
        if (c != '\r') lf.push_back(c);
    EXPECT_EQ(shown.out, lf + "\n");

    // Font options reach the signature line.
    ASSERT_EQ(RunGlifora({"ascii", Picture(), "--font", "Courier New", "--font-size", "8", "--size",
                          "10", "--screen-width", "800", "-o", out})
                  .status,
              0);
    EXPECT_EQ(test::ReadFile(out).rfind("Ascii Art generado por Glifora. Fuente: Courier New "
                                        "Tama\xF1o: 8\r\n",
                                        0),
              0u);
}

TEST_F(Cli, UnreadableInputsFailWithStatusOneAndNoOutput) {
    test::WriteFile(Path("text.bmp"), "not a picture");
    test::WriteFile(Path("cut.bmp"), test::EncodePicture(Raster(30, 30), "BMP").substr(0, 100));
    for (const std::string& input :
         {Path("missing.jpg"), Path("text.bmp"), Path("cut.bmp"), dir.path().toStdString()}) {
        const std::string out = Path("out.txt");
        const auto r = RunGlifora({"ascii", input, "-o", out});
        EXPECT_EQ(r.status, 1) << input;
        EXPECT_NE(r.err.find("glifora: no se puede cargar la imagen"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(test::FileExists(out)) << input;
    }
}

TEST_F(Cli, UnwritableOutputFailsAndLeavesNothing) {
    const std::string out = Path("no/such/folder/art.txt");
    const auto r = RunGlifora({"ascii", Picture(), "-o", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no se ha podido guardar"), std::string::npos);
    const auto d = RunGlifora({"ascii", Picture(), "-o", dir.path().toStdString()});
    EXPECT_EQ(d.status, 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).contains("half.bmp"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(Cli, UsageErrorsExitTwoWithTheUsage) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"ascii", "--palette", "4"},
                                               {"ascii", "--columns", "10", "--size", "5"},
                                               {"ascii", "a.bmp", "b.bmp"},
                                               {"ascii", "--bogus"},
                                               {"ascii", "--fill"},
                                               {"glyphs", "extra"},
                                               {"fonts", "--palette", "1"},
                                               {"--bogus"}}) {
        const auto r = RunGlifora(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.err.find("glifora"), std::string::npos);
    }
    EXPECT_EQ(RunGlifora({"--help"}).status, 0);
    EXPECT_NE(RunGlifora({"--version"}).out.find("glifora"), std::string::npos);
}

TEST_F(Cli, GlyphsPrintsTheTablesInAParseableForm) {
    const auto r = RunGlifora({"glyphs", "--palette", "3", "--font", "DejaVu Sans Mono"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(r.out.substr(start, nl - start));
    ASSERT_EQ(lines.size(), 2u + 256u + 256u);
    EXPECT_EQ(lines[0].rfind("celda ", 0), 0u);
    EXPECT_EQ(lines[2], "glifo 0 99999.000000");
    EXPECT_EQ(lines[2 + 65], "glifo 65 0.000000");  // outside the digits: untouched
    for (int l = 0; l < 256; ++l) {
        const std::string& line = lines[258 + l];
        const int code = std::stoi(line.substr(line.rfind(' ') + 1));
        EXPECT_GE(code, 48);
        EXPECT_LE(code, 57);
    }
}

TEST_F(Cli, FontsListsFixedPitchFamiliesOnly) {
    const auto r = RunGlifora({"fonts"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("DejaVu Sans Mono\n"), std::string::npos);
    EXPECT_NE(r.out.find("Liberation Mono\n"), std::string::npos);
    EXPECT_EQ(r.out.find("DejaVu Sans\n"), std::string::npos);
}

}  // namespace
}  // namespace glifora
