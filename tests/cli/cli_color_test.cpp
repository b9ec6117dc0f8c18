// Colour on standard output and the text art as a picture, as a user runs them.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <map>
#include <set>

#include "platform/picture_decoder.h"
#include "test_helpers.h"

namespace glifora {
namespace {

using Env = std::map<std::string, std::string>;  // an empty value removes the variable

test::CommandResult RunWith(const std::vector<std::string>& args, const Env& env) {
    return test::RunProgram(GLIFORA_BINARY, args, env);
}

// Standard output on a terminal (a pseudo-terminal that passes bytes as they are).
std::string RunOnTerminal(const std::vector<std::string>& args, const Env& env) {
    termios raw{};
    cfmakeraw(&raw);
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, &raw, nullptr);
    if (pid == 0) {
        for (const auto& [name, value] : env) {
            if (value.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), value.c_str(), 1);
        }
        std::vector<char*> argv{const_cast<char*>(GLIFORA_BINARY)};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(GLIFORA_BINARY, argv.data());
        _exit(127);
    }
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;) out.append(buffer, n);
    close(master);
    int status = 0;
    waitpid(pid, &status, 0);
    return out;
}

using test::StripSgr;

class CliColor : public test::InTempDir {
  protected:
    std::string Blocks() {
        return Bmp("blocks.bmp",
                   test::HalfAndHalf(80, 40, MakeColor(255, 0, 0), MakeColor(0, 0, 255)));
    }
    std::pair<int, int> Cell() {
        const auto r = test::RunGlifora({"glyphs"});
        int w = 0, h = 0;
        std::sscanf(r.out.c_str(), "celda %d %d", &w, &h);
        return {w, h};
    }
};

TEST_F(CliColor, ColourIsTheTextWithEscapesAndNeverIsTodaysBytes) {
    const std::string pic = Blocks();
    const auto plain = test::RunGlifora({"ascii", pic, "--columns", "8"});
    ASSERT_EQ(plain.status, 0);
    // Through a pipe, auto gives no colour.
    EXPECT_EQ(test::RunGlifora({"ascii", pic, "--columns", "8", "--color=auto"}).out, plain.out);
    EXPECT_EQ(test::RunGlifora({"ascii", pic, "--columns", "8", "--color=never"}).out, plain.out);
    for (const char* depth : {"24", "256"}) {
        const auto coloured =
            RunWith({"ascii", pic, "--columns", "8", "--color", "--color-depth", depth},
                    {{"NO_COLOR", "1"}});
        ASSERT_EQ(coloured.status, 0) << coloured.err;
        EXPECT_EQ(StripSgr(coloured.out), plain.out);
        EXPECT_NE(coloured.out, plain.out);
    }
    // Every row: red glyphs, then blue ones, then a reset.
    const auto row =
        RunWith({"ascii", pic, "--columns", "8", "--color=always"}, {{"COLORTERM", "truecolor"}})
            .out;
    const std::string first = row.substr(0, row.find('\n'));
    const std::string glyphs = plain.out.substr(0, 8);
    EXPECT_EQ(first, "\x1b[38;2;255;0;0m" + glyphs.substr(0, 4) + "\x1b[38;2;0;0;255m" +
                         glyphs.substr(4) + "\x1b[0m");
    EXPECT_NE(RunWith({"ascii", pic, "--color=always"}, {{"COLORTERM", ""}}).out.find("\x1b[38;5;"),
              std::string::npos);
    // --negative sets a black ground, --background another one.
    EXPECT_EQ(RunWith({"ascii", pic, "--negative", "--color=always"}, {{"COLORTERM", "24bit"}})
                  .out.rfind("\x1b[48;2;0;0;0", 0),
              0u);
    EXPECT_EQ(RunWith({"ascii", pic, "--color=always", "--background", "ff8000"},
                      {{"COLORTERM", "24bit"}})
                  .out.rfind("\x1b[48;2;255;128;0", 0),
              0u);
}

TEST_F(CliColor, AutoColoursATerminalUnlessNoColorIsSet) {
    const std::string pic = Blocks();
    const std::vector<std::string> args = {"ascii", pic, "--columns", "8"};
    const std::string shown = RunOnTerminal(args, {{"NO_COLOR", ""}, {"COLORTERM", "24bit"}});
    EXPECT_EQ(shown.rfind("\x1b[38;2;255;0;0m", 0), 0u) << shown;
    const std::string plain = test::RunGlifora(args).out;
    EXPECT_EQ(StripSgr(shown), plain);
    EXPECT_EQ(RunOnTerminal(args, {{"NO_COLOR", "1"}}), plain);
    std::vector<std::string> never = args;
    never.push_back("--color=never");
    EXPECT_EQ(RunOnTerminal(never, {{"NO_COLOR", ""}}), plain);
}

// The pixels of the picture are ArtPictureTest's; here the options reach it.
TEST_F(CliColor, PictureIsColumnsByRowsOfCellsInTheChosenColours) {
    const auto [cw, ch] = Cell();
    ASSERT_GT(cw, 0);
    const std::string pic = Blocks();
    const std::string text = Path("a.txt"), png = Path("a.png"), bmp = Path("A.BMP");
    ASSERT_EQ(test::RunGlifora({"ascii", pic, "--columns", "8", "-o", text}).status, 0);
    const std::string saved = test::ReadFile(text);  // signature line, then the rows
    const int rows = static_cast<int>(std::count(saved.begin(), saved.end(), '\n')) - 1;
    auto r = test::RunGlifora(
        {"ascii", pic, "--columns", "8", "-o", png, "--fg", "0000FF", "--bg", "00ff00"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = test::RunGlifora({"ascii", pic, "--columns", "8", "-o", bmp, "--color", "--scale", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Raster plain = DecodePicture(png).raster, coloured = DecodePicture(bmp).raster;
    ASSERT_EQ(plain.Width(), 8 * cw);
    ASSERT_EQ(plain.Height(), rows * ch);
    ASSERT_EQ(coloured.Width(), 16 * cw);
    ASSERT_EQ(coloured.Height(), 2 * rows * ch);
    auto colours = [](const Raster& p, int from, int to) {
        std::set<ColorValue> seen;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = from; x < to; ++x) seen.insert(p.Pixel(x, y));
        return seen;
    };
    const ColorValue red = MakeColor(255, 0, 0), blue = MakeColor(0, 0, 255);
    EXPECT_EQ(colours(plain, 0, 8 * cw), (std::set<ColorValue>{blue, MakeColor(0, 255, 0)}));
    EXPECT_EQ(colours(coloured, 0, 8 * cw), (std::set<ColorValue>{red, 0xFFFFFF}));
    EXPECT_EQ(colours(coloured, 8 * cw, 16 * cw), (std::set<ColorValue>{blue, 0xFFFFFF}));
    // Other extensions keep writing the text file.
    ASSERT_EQ(test::RunGlifora({"ascii", pic, "--columns", "8", "-o", Path("a.out")}).status, 0);
    EXPECT_EQ(test::ReadFile(Path("a.out")), saved);
}

TEST_F(CliColor, AnimPrintsEveryFrameInsteadOfAPage) {
    QDir(dir.path()).mkdir("pics");
    Bmp("pics/a.bmp", Raster(8, 4, 0xFFFFFF));
    Bmp("pics/b.bmp", Raster(8, 4, 0x0000FF));
    const auto plain = test::RunGlifora({"anim", Path("pics"), "--columns", "4", "--color=never"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    const auto a = test::RunGlifora({"ascii", Path("pics/a.bmp"), "--columns", "4"});
    const auto b = test::RunGlifora({"ascii", Path("pics/b.bmp"), "--columns", "4"});
    EXPECT_EQ(plain.out, a.out + "\n" + b.out);
    const auto coloured =
        RunWith({"anim", Path("pics"), "--columns", "4", "--color"}, {{"COLORTERM", "24bit"}});
    EXPECT_EQ(StripSgr(coloured.out), plain.out);
    EXPECT_NE(coloured.out.find("\x1b[38;2;255;0;0m"), std::string::npos);
}

}  // namespace
}  // namespace glifora
