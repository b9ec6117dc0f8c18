#include "animation/gif_frames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "animation/work_folder.h"
#include "gif_bytes.h"
#include "platform/picture_decoder.h"
#include "test_support.h"

namespace glifora {
namespace {

using test::GifFrame;
using test::GifHeader;
using test::GifImage;
using test::GraphicControl;

TEST(CutGifFrames, FramesFollowTheBlockStructure) {
    // Frame 2's local table and a comment hold 21 F9; neither starts a frame.
    const std::string header = GifHeader() + test::Comment("app");
    const std::string f1 = GifFrame(0) + test::Comment("\x21\xF9 no");
    const std::string f2 = GifFrame(1, true);
    const std::string gif = header + f1 + f2 + ";";
    const GifFrameCut cut = CutGifFrames(gif);
    ASSERT_EQ(cut.frames.size(), 2u);
    EXPECT_EQ(FrameFileBytes(gif, cut, 0), header + f1 + ";");
    EXPECT_EQ(FrameFileBytes(gif, cut, 1), header + f2 + ";");
    // Both decode, each in its own colour.
    for (int frame : {0, 1}) {
        const PictureLoad load = DecodePictureData(FrameFileBytes(gif, cut, frame));
        ASSERT_TRUE(load.Ok()) << load.error;
        EXPECT_EQ(load.raster.Pixel(0, 0), frame ? 0 : 0xFFFFFF);
    }
}

TEST(CutGifFrames, WithoutControlExtensionsFramesStartAtTheImages) {
    const std::string gif = GifHeader("GIF87a") + GifImage(0) + GifImage(1) + ";";
    const GifFrameCut cut = CutGifFrames(gif);
    ASSERT_EQ(cut.frames.size(), 2u);
    EXPECT_EQ(FrameFileBytes(gif, cut, 1), GifHeader("GIF87a") + GifImage(1) + ";");
    // Mixed: the first control extension since the previous image starts the frame.
    const std::string mixed = GifHeader() + GifImage(0) + GraphicControl() + GraphicControl() +
                              GifImage(1) + GraphicControl() + ";";
    const GifFrameCut m = CutGifFrames(mixed);
    ASSERT_EQ(m.frames.size(), 2u);
    EXPECT_EQ(m.frames[1].begin, GifHeader().size() + GifImage(0).size());
    EXPECT_EQ(m.frames[1].end, mixed.size() - 1);  // a trailing extension stays in the last frame
}

TEST(CutGifFrames, BrokenFilesAndFilesThatAreNotGifs) {
    const std::string gif = GifHeader() + GifFrame(0) + GifFrame(1) + ";";
    const std::string cut = gif.substr(0, gif.size() - 4);  // inside the second image
    const GifFrameCut c = CutGifFrames(cut);
    ASSERT_EQ(c.frames.size(), 2u);
    EXPECT_EQ(c.frames[1].end, cut.size());
    EXPECT_EQ(FrameFileBytes(cut, c, 1).back(), ';');
    // A structure that breaks off: the last frame runs to the end of the file.
    const std::string junk = GifHeader() + GifFrame(0) + "junk";
    ASSERT_EQ(CutGifFrames(junk).frames.size(), 1u);
    EXPECT_EQ(CutGifFrames(junk).frames[0].end, junk.size());

    EXPECT_TRUE(CutGifFrames("").frames.empty());
    EXPECT_TRUE(CutGifFrames("not a gif at all \x21\xF9 here").frames.empty());
    EXPECT_TRUE(CutGifFrames(GifHeader() + GraphicControl() + ";").frames.empty());
    EXPECT_TRUE(CutGifFrames(GifHeader().substr(0, 9)).frames.empty());
}

unsigned Mode(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 01000;
}

struct RecordedControls final : AnimArtControls {
    int enabled = -1;  // -1: never set
    bool unchecked = false;
    void EnableAnimArt(bool on) override { enabled = on; }
    void UncheckAnimArt() override { unchecked = true; }
};

class SplitIntoWorkFolder : public ::testing::Test {
  protected:
    QTemporaryDir temp;
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = temp.filePath(QString::fromStdString(name)).toStdString();
        test::WriteFile(path, bytes);
        return path;
    }
    QStringList Files(const std::string& folder) {
        return QDir(QString::fromStdString(folder)).entryList(QDir::Files, QDir::Name);
    }
    FrameState state;
    RecordedControls controls;
};

TEST_F(SplitIntoWorkFolder, EveryFrameIsKeptAndSelected) {
    const WorkFolder folder = WorkFolder::Create(temp.path().toStdString());
    ASSERT_TRUE(folder.Usable());
    test::WriteFile(folder.FilePath("Fotograma 99.bmp"), "old");
    test::WriteFile(folder.FilePath("keep.txt"), "other");
    std::string gif = GifHeader();
    for (int i = 0; i < 60; ++i) gif += GifFrame(i % 2);
    const SplitResult r = SplitGifFrames(Write("a.gif", gif + ";"), folder, state, controls);
    EXPECT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(r.frames, 60);
    ASSERT_EQ(state.lstGIFFrames.size(), 60u);
    EXPECT_EQ(state.lstGIFFrames[0], std::to_string(GifHeader().size() + 1));
    ASSERT_EQ(state.selection.size(), 60u);
    EXPECT_EQ(state.selection.back(), "60");
    EXPECT_EQ(controls.enabled, 1);
    const QStringList files = Files(folder.Path());
    EXPECT_EQ(files.size(), 61);  // 60 frames and keep.txt; the old frame is gone
    EXPECT_TRUE(files.contains("keep.txt") && !files.contains("Fotograma 99.bmp"));
    const PictureLoad last = DecodePicture(folder.FilePath("Fotograma 60.bmp"));
    ASSERT_TRUE(last.Ok());
    EXPECT_EQ(last.raster.Pixel(0, 0), 0);
}

TEST_F(SplitIntoWorkFolder, FewerThanTwoFramesDisableAnimation) {
    const WorkFolder folder = WorkFolder::Create(temp.path().toStdString());
    state.selection = {"02", "03"};
    // A GIF that cannot be read leaves no frames of an earlier one behind.
    state.lstGIFFrames = {"14", "40"};
    const SplitResult missing =
        SplitGifFrames(temp.filePath("none.gif").toStdString(), folder, state, controls);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_TRUE(state.lstGIFFrames.empty());
    for (const std::string& bytes : {GifHeader() + GifFrame(0) + ";", std::string("GIF? no"),
                                     GifHeader() + GifFrame(0) + GifFrame(1) + ";"}) {
        (void)SplitGifFrames(Write("b.gif", bytes), folder, state, controls);
        if (state.lstGIFFrames.size() == 2) break;
        EXPECT_EQ(controls.enabled, 0);
        EXPECT_TRUE(controls.unchecked);
        EXPECT_EQ(state.selection, (std::vector<std::string>{"02", "03"}));  // kept
        EXPECT_EQ(Files(folder.Path()).size(), static_cast<int>(state.lstGIFFrames.size()));
    }
    EXPECT_EQ(controls.enabled, 1);
    EXPECT_EQ(state.selection, (std::vector<std::string>{"01", "02"}));
}

TEST_F(SplitIntoWorkFolder, ALinkedOrForeignFolderIsNeverUsed) {
    // A link named GLF pointing at a folder of bitmaps: nothing is written
    // into it and nothing deleted from it, by the split or by the clean-up.
    const std::string victim = temp.filePath("victim").toStdString();
    QDir().mkpath(QString::fromStdString(victim));
    test::WriteFile(victim + "/photo.bmp", "precious");
    const std::string parent = temp.filePath("tmp").toStdString();
    QDir().mkpath(QString::fromStdString(parent));
    ASSERT_EQ(symlink(victim.c_str(), (parent + "/GLF").c_str()), 0);
    const WorkFolder folder = WorkFolder::Create(parent);
    EXPECT_FALSE(folder.Usable());
    const SplitResult r = SplitGifFrames(
        Write("c.gif", GifHeader() + GifFrame(0) + GifFrame(1) + ";"), folder, state, controls);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(r.frames, 0);
    EXPECT_EQ(controls.enabled, 0);
    folder.Clean();
    EXPECT_EQ(Files(victim), QStringList{"photo.bmp"});

    if (geteuid() != 0) GTEST_SKIP() << "a folder of another user needs root to make";
    const std::string foreignParent = temp.filePath("shared").toStdString();
    QDir().mkpath(QString::fromStdString(foreignParent + "/GLF"));
    ASSERT_EQ(chown((foreignParent + "/GLF").c_str(), 4242, 4242), 0);
    EXPECT_FALSE(WorkFolder::Create(foreignParent).Usable());
}

TEST_F(SplitIntoWorkFolder, FolderIsOwnerOnlyAndCleanedAtShutdown) {
    const std::string parent = temp.path().toStdString();
    {
        const WorkFolder folder = WorkFolder::Create(parent);
        EXPECT_EQ(Mode(folder.Path()), 0700u);
        EXPECT_EQ(folder.Path(), parent + "/GLF");
        test::WriteFile(folder.FilePath("Fotograma 01.bmp"), "x");
        test::WriteFile(folder.FilePath("UPPER.BMP"), "x");
        folder.Clean();
        EXPECT_FALSE(test::FileExists(folder.Path()));
    }
    {
        // An existing folder of ours is taken, narrowed to its owner; a file
        // that is not a bitmap keeps it in place.
        QDir().mkpath(QString::fromStdString(parent + "/GLF"));
        chmod((parent + "/GLF").c_str(), 0777);
        const WorkFolder folder = WorkFolder::Create(parent);
        ASSERT_TRUE(folder.Usable());
        EXPECT_EQ(Mode(folder.Path()), 0700u);
        test::WriteFile(folder.FilePath("Fotograma 01.bmp"), "x");
        test::WriteFile(folder.FilePath("notes.txt"), "x");
        folder.Clean();
        EXPECT_EQ(Files(folder.Path()), QStringList{"notes.txt"});
    }
    std::string privatePath;
    {
        const WorkFolder mine = WorkFolder::CreatePrivate(parent);
        ASSERT_TRUE(mine.Usable());
        privatePath = mine.Path();
        EXPECT_NE(privatePath, parent + "/GLF");
        test::WriteFile(mine.FilePath("Fotograma 01.bmp"), "x");
    }
    EXPECT_FALSE(test::FileExists(privatePath));
}

}  // namespace
}  // namespace glifora
