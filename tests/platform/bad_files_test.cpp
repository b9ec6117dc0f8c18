// Files that once broke (or would break) a decoder. Each must fail cleanly:
// a failed load with a reason, and from the command line exit status 1 with
// one line on stderr, never a crash.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/picture_decoder.h"
#include "test_support.h"

namespace glifora {
namespace {

TEST(BadFiles, EachFailsCleanly) {
    const QDir dir(QStringLiteral(GLIFORA_TEST_DATA "/bad"));
    ASSERT_GE(dir.entryList(QDir::Files).size(), 15);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        const std::string path = dir.filePath(name).toStdString();
        const PictureLoad load = DecodePicture(path);
        EXPECT_FALSE(load.Ok()) << path;
        EXPECT_FALSE(load.error.empty()) << path;
        EXPECT_TRUE(load.raster.Empty()) << path;
        // The command line decodes its own way (a row at a time, shrunk).
        const test::CommandResult run = test::RunGlifora({"ascii", path});
        EXPECT_EQ(run.status, 1) << path << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << path;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << path << ": " << run.err;
    }
}

TEST(BadFiles, AThinPictureShrunkToManyRowsIsRefusedBeforeAllocation) {
    // 1 x 65500 pixels at 100 columns would ask for millions of rows.
    QTemporaryDir dir;
    const std::string path = dir.filePath("thin.jpg").toStdString();
    test::WriteFile(path, test::EncodePicture(Raster(1, 65500, 0x808080), "JPG", 90));
    const PictureLoad load = DecodePictureShrunk(path, [](int, int h) {
        return ShrinkTarget{100, h * 100};
    });
    EXPECT_FALSE(load.Ok());
    const test::CommandResult run = test::RunGlifora({"ascii", path});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

}  // namespace
}  // namespace glifora
