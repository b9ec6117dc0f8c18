// Commands that use no font make no application object: with a platform
// plugin that does not exist they still run, where making the object would
// abort them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "test_support.h"

namespace glifora {
namespace {

TEST(GuiOnDemand, OnlyCommandsThatUseAFontMakeTheApplicationObject) {
    QTemporaryDir dir;
    const std::string picture = dir.filePath("p.bmp").toStdString();
    test::WriteFile(picture, test::EncodePicture(test::RandomRaster(40, 30, 2), "BMP"));
    const std::string path = dir.path().toStdString();
    qputenv("QT_QPA_PLATFORM", "no-such-platform");
    const std::vector<std::vector<std::string>> fontless = {
        {"web", picture, "-o", path + "/w.html", "--size", "1"},
        {"filter", picture, "-o", path + "/f.png", "--effect", "negativo"},
        {"frames", picture, "-d", path + "/frames"},
        {"effects"},
    };
    for (const auto& args : fontless) {
        const auto r = test::RunGlifora(args);
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
    }
    // The check means something: a command that lists fonts needs the object.
    EXPECT_NE(test::RunGlifora({"fonts"}).status, 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace
}  // namespace glifora
