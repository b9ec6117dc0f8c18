// `glifora filter` and `glifora effects` as a user meets them: outputs equal
// to the in-process filters, steps in order, exit codes, nothing half-written.

#include <gtest/gtest.h>

#include <QFile>

#include "../filters/filtered.h"
#include "filters/effect_catalogue.h"
#include "filters/filter_engine.h"
#include "filters/flips_mirrors.h"
#include "platform/picture_decoder.h"
#include "platform/random.h"
#include "test_helpers.h"

namespace glifora {
namespace {

using test::RunGlifora;

class CliFilter : public test::InTempDir {
  protected:
    Raster Output(const std::string& path) {
        PictureLoad load = DecodePicture(path);
        EXPECT_TRUE(load.Ok()) << load.error;
        return load.raster;
    }
    Raster photo = test::RandomRaster(23, 17, 5);
    std::string input = Bmp("in.bmp", photo);
};

TEST_F(CliFilter, StepsRunInTheOrderGiven) {
    const auto r = RunGlifora({"filter", input, "-o", Path("a.PNG"), "--effect", "desenfocar",
                               "--flip", "h", "--effect", "7:#102030", "--mirror", "top"});
    ASSERT_EQ(r.status, 0) << r.err;
    Raster expected = test::Filtered(3, photo, 0);
    FlipHorizontal(expected);
    expected = test::Filtered(7, expected, MakeColor(0x10, 0x20, 0x30));
    Mirror(expected, GeometricOp::MirrorTopOntoBottom);
    EXPECT_TRUE(Output(Path("a.PNG")) == expected);
}

TEST_F(CliFilter, DefaultParametersAndSeeds) {
    ASSERT_EQ(RunGlifora({"filter", input, "-o", Path("b.bmp"), "--effect", "14"}).status, 0);
    EXPECT_TRUE(Output(Path("b.bmp")) == test::Filtered(14, photo, 10));
    ASSERT_EQ(
        RunGlifora({"filter", input, "-o", Path("n.bmp"), "--effect", "ruido:20", "--seed", "99"})
            .status,
        0);
    SeedRandom(99);
    EXPECT_TRUE(Output(Path("n.bmp")) == test::Filtered(29, photo, 20));
}

// The executable runs what needs no Qt on its own and hands the rest to the
// module of the full command set; alone in a folder it has no module to hand to.
TEST_F(CliFilter, TheExecutableNeedsNoQtForBitmapsAndJpeg) {
    const std::string alone = Path("glifora");
    ASSERT_TRUE(QFile::copy(GLIFORA_BINARY, QString::fromStdString(alone)));
    // The dynamic loader lists what the executable maps, and runs nothing.
    const auto linked = test::RunProgram(alone, {}, {{"LD_TRACE_LOADED_OBJECTS", "1"}});
    EXPECT_NE(linked.out.find("libc.so"), std::string::npos) << linked.out;
    EXPECT_EQ(linked.out.find("Qt"), std::string::npos) << linked.out;
    test::WriteFile(Path("in.jpg"), test::EncodePicture(photo, "JPEG", 90));
    for (const std::string& in : {input, Path("in.jpg")}) {
        const auto r =
            test::RunProgram(alone, {"filter", in, "-o", Path("o.bmp"), "--effect", "3"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(Output(Path("o.bmp")) == test::Filtered(3, DecodePicture(in).raster, 0));
    }
    EXPECT_EQ(test::RunProgram(alone, {"effects"}).status, 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"filter", input, "-o", Path("o.png")}, {"ascii", input}}) {
        const auto r = test::RunProgram(alone, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind("glifora: no se puede cargar el módulo de órdenes: ", 0), 0u)
            << r.err;
    }
}

TEST_F(CliFilter, EffectsListsTheCatalogue) {
    const auto r = RunGlifora({"effects"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 32);
    EXPECT_NE(r.out.find("12  grises            0"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("14  brillo            10       -100..100 Aumentar brillo / "
                         "Disminuir brillo"),
              std::string::npos);
    EXPECT_NE(r.out.find(" 7  contornos         #FFFFFF"), std::string::npos);
}

}  // namespace
}  // namespace glifora
