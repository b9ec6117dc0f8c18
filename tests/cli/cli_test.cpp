// The command line as a user meets it: exit codes, files written, messages.
#include <gtest/gtest.h>

#include <QDir>

#include "test_helpers.h"

namespace glifora {
namespace {

using test::RunGlifora;
using test::UsedFace;

class Cli : public test::InTempDir {
  protected:
    std::string Picture() { return Bmp("half.bmp", test::HalfAndHalf(80, 40, 0, 0xFFFFFF)); }
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
        "Ascii Art generado por Glifora. Fuente: " + UsedFace("Lucida Console", 6) +
        " Tama\xF1o: 6\r\n";
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
    // A face that is not installed names the one used, there and on stderr.
    const auto courier = RunGlifora({"ascii", Picture(), "--font", "Courier New", "--font-size",
                                     "8", "--size", "10", "--screen-width", "800", "-o", out});
    ASSERT_EQ(courier.status, 0);
    const std::string used = UsedFace("Courier New", 8);
    EXPECT_EQ(test::ReadFile(out).rfind(
                  "Ascii Art generado por Glifora. Fuente: " + used + " Tama\xF1o: 8\r\n", 0),
              0u);
    if (used != "Courier New")
        EXPECT_NE(courier.err.find("se usa «" + used + "»"), std::string::npos) << courier.err;
    else
        EXPECT_TRUE(courier.err.empty()) << courier.err;
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

// Every argument error of every subcommand, with its exit status and the
// words of its message. "PIC" stands for a readable picture, "GONE" for a
// picture that does not exist, "OUT" for an output that must never appear
// ("OUT/..." for one in a folder that does not exist).
// An unusable step is a usage error (2) whatever the picture: steps are
// checked before anything is decoded.
TEST_F(Cli, EveryArgumentErrorHasItsStatusAndMessage) {
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const std::vector<Row> rows = {
        {{"--bogus"}, 2, "opción desconocida"},
        {{"ascii", "--palette", "4"}, 2, "--palette"},
        {{"ascii", "--columns", "10", "--size", "5"}, 2, "no se pueden usar juntos"},
        {{"ascii", "--screen-width", "800"}, 2, "--screen-width"},
        {{"ascii", "PIC", "PIC"}, 2, "sobran argumentos"},
        {{"ascii", "--bogus"}, 2, "--bogus"},
        {{"ascii", "--fill"}, 2, "--fill"},
        {{"ascii", "--font", ""}, 2, "--font no puede estar vacío"},
        {{"ascii", "--seed", "-1"}, 2, "--seed"},
        {{"ascii", "PIC", "-o", ""}, 2, "-o"},
        {{"ascii", "PIC", "--fg", "000000"}, 2, "--fg solo vale con -o"},
        {{"ascii", "PIC", "-o", "OUT.txt", "--scale", "2"}, 2, "--scale solo vale con -o"},
        {{"ascii", "PIC", "-o", "OUT.png", "--scale", "0"}, 2, "--scale debe ser"},
        {{"ascii", "PIC", "-o", "OUT.png", "--background", "000000"}, 2, "--background solo"},
        {{"ascii", "PIC", "-o", "OUT.txt", "--color"}, 2, "--color no vale con -o"},
        {{"ascii", "PIC", "--color=sometimes"}, 2, "«sometimes»"},
        {{"ascii", "PIC", "--color-depth", "16"}, 2, "--color-depth admite"},
        {{"ascii", "PIC", "--bg", "12345", "-o", "OUT.png"}, 2, "--bg necesita"},
        {{"ascii", "GONE", "--effect", "nada"}, 2, "efecto desconocido: nada"},
        {{"ascii", "GONE", "-o", "OUT"}, 1, "no se puede cargar la imagen"},
        {{"ascii", "PIC", "--columns", "0", "-o", "OUT.png"}, 1, "no se ha podido guardar"},
        {{"web", "PIC"}, 2, "falta -o"},
        {{"web", "PIC", "-o", "OUT", "--size", "6"}, 2, "--size"},
        {{"web", "PIC", "-o", "OUT", "--borders", "top,middle"}, 2, "--borders"},
        {{"web", "PIC", "-o", "OUT", "--background", "#FFFFFF"}, 2, "--background"},
        {{"web", "GONE", "-o", "OUT", "--effect", "nada"}, 2, "efecto desconocido"},
        {{"web", "GONE", "-o", "OUT"}, 1, "no se puede cargar la imagen"},
        {{"web", "PIC", "-o", "OUT/w.html"}, 1, "no se ha podido guardar el archivo"},
        {{"anim", "PIC"}, 2, "falta -o"},
        {{"anim", "GONE", "-o", "OUT", "--effect", "nada"}, 2, "efecto desconocido"},
        {{"anim", "GONE", "-o", "OUT"}, 1, "no se puede leer"},
        {{"anim", "DIR", "-o", "OUT", "--frames", "1"}, 2, "--frames"},
        {{"anim", "PIC", "--color", "-o", "OUT.html"}, 2, "no se usa con -o"},
        {{"anim", "PIC", "--color-depth", "24", "-o", "OUT.html"}, 2, "solo vale con --color"},
        {{"filter", "PIC"}, 2, "falta -o"},
        {{"filter", "PIC", "-o", "OUT.jpg"}, 2, ".bmp o .png"},
        {{"filter", "-o", "OUT.bmp"}, 2, "faltan argumentos"},
        {{"filter", "GONE", "-o", "OUT.bmp", "--effect", "nada"}, 2, "efecto desconocido"},
        {{"filter", "PIC", "-o", "OUT.bmp", "--effect", "brillo:101"}, 2, ""},
        {{"filter", "PIC", "-o", "OUT.bmp", "--effect", "15:0"}, 2, ""},
        {{"filter", "PIC", "-o", "OUT.bmp", "--effect", "2:x"}, 2, "parámetro no válido"},
        {{"filter", "PIC", "-o", "OUT.bmp", "--effect", "7:#12345"}, 2, "parámetro no válido"},
        {{"filter", "PIC", "-o", "OUT.bmp", "--flip", "d"}, 2, "--flip"},
        {{"filter", "PIC", "-o", "OUT.bmp", "--mirror", "middle"}, 2, "--mirror"},
        {{"filter", "GONE", "-o", "OUT.bmp"}, 1, "no se puede cargar la imagen"},
        {{"filter", "PIC", "-o", "OUT/o.png"}, 1, "no se ha podido guardar el archivo"},
        {{"frames", "PIC"}, 2, "falta -d"},
        {{"frames", "GONE", "-d", "OUT"}, 1, "no se puede leer"},
        {{"glyphs", "extra"}, 2, "sobran argumentos"},
        {{"glyphs", "--font", ""}, 2, "--font no puede estar vacío"},
        {{"glyphs", "--columns", "5"}, 2, "--columns"},
        {{"fonts", "--palette", "1"}, 2, "--palette"},
        {{"effects", "x"}, 2, "sobran argumentos"},
    };
    const std::string picture = Picture();
    const std::string out = Path("never");
    for (const Row& row : rows) {
        std::vector<std::string> args;
        for (const std::string& a : row.args)
            args.push_back(a == "PIC"             ? picture
                           : a == "GONE"          ? Path("gone.bmp")
                           : a == "DIR"           ? dir.path().toStdString()
                           : a.starts_with("OUT") ? out + a.substr(3)
                                                  : a);
        const auto r = RunGlifora(args);
        const std::string label = ::testing::PrintToString(row.args);
        EXPECT_EQ(r.status, row.status) << label << ": " << r.err;
        EXPECT_EQ(r.err.rfind("glifora", 0), 0u) << label;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << label << ": " << r.err;
        if (row.status == 2 && row.args[0][0] != '-') {
            EXPECT_NE(r.err.find("Uso: glifora"), std::string::npos) << label;
        }
        EXPECT_TRUE(r.out.empty()) << label;
        for (const char* suffix : {"", ".jpg", ".bmp", ".png", ".txt", ".html"})
            EXPECT_FALSE(test::FileExists(out + suffix)) << label;
    }
    EXPECT_EQ(RunGlifora({"--help"}).status, 0);
    EXPECT_NE(RunGlifora({"--version"}).out.find("glifora"), std::string::npos);
}

// The command line is headless: with no display and no platform chosen it
// still runs every subcommand that measures a font (GuiOnDemand runs the
// others under a platform that does not exist). It starts a QGuiApplication
// only, under which any widget would abort the program, so a clean exit also
// shows that none was made.
TEST_F(Cli, EverySubcommandRunsWithoutADisplay) {
    const std::string picture = Picture();
    const std::vector<std::string> noDisplay = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    const std::vector<std::vector<std::string>> runs = {
        {"ascii", picture, "--columns", "8"},
        {"anim", dir.path().toStdString(), "-o", Path("a.html"), "--columns", "4"},
        {"glyphs"},
        {"fonts"},
    };
    for (const auto& args : runs) {
        const auto r = RunGlifora(args, noDisplay);
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
        EXPECT_TRUE(r.err.empty()) << args[0] << ": " << r.err;
    }
}

TEST_F(Cli, ShapeKeepsTheColumnsIsRepeatableAndServesAnim) {
    const std::string picture = Bmp("p.bmp", test::RandomRaster(90, 60, 8));
    const auto a = RunGlifora({"ascii", picture, "--shape", "--columns", "17"});
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(RunGlifora({"ascii", picture, "--shape", "--columns", "17"}).out, a.out);
    EXPECT_NE(RunGlifora({"ascii", picture, "--columns", "17"}).out, a.out);
    // Characters, not bytes: the terminal text is UTF-8.
    int rows = 0, characters = 0;
    for (unsigned char c : a.out) {
        if (c == '\n') {
            EXPECT_EQ(characters, 17) << "row " << rows;
            characters = 0;
            ++rows;
        } else if ((c & 0xC0) != 0x80) {
            ++characters;
        }
    }
    EXPECT_GT(rows, 3);
    EXPECT_EQ(RunGlifora({"ascii", picture, "--shape", "--outline"}).status, 2);
    const auto anim = RunGlifora(
        {"anim", dir.path().toStdString(), "-o", Path("s.html"), "--shape", "--columns", "17"});
    EXPECT_EQ(anim.status, 0) << anim.err;
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
