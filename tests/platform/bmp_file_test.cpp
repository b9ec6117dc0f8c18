// The direct bitmap reader and writer against Qt's reader on the same bytes,
// and the atomic writer that takes the pieces.
#include "platform/bmp_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QImage>
#include <thread>

#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "platform/qt_raster.h"
#include "test_helpers.h"

namespace glifora {
namespace {

std::string Written(const Raster& r) {
    std::string out;
    EXPECT_TRUE(WritePlainBmp(r, [&](std::string_view piece) {
        out.append(piece);
        return true;
    }));
    EXPECT_EQ(out.size(), PlainBmpSize(r));
    return out;
}

Raster ByQt(const std::string& bytes) {
    return RasterFromImage(QImage::fromData(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), "BMP"));
}

// Flips the row order the header declares, and the rows with it.
std::string TopDown(const std::string& bmp, int height) {
    std::string out = bmp.substr(0, 54);
    const size_t stride = (bmp.size() - 54) / static_cast<size_t>(height);
    for (int y = height - 1; y >= 0; --y) out += bmp.substr(54 + y * stride, stride);
    const uint32_t negative = static_cast<uint32_t>(-height);
    for (int i = 0; i < 4; ++i) out[22 + i] = static_cast<char>(negative >> (8 * i));
    return out;
}

using PlainBmp = test::InTempDir;
using AtomicFile = test::InTempDir;
using WholeFile = test::InTempDir;

TEST_F(PlainBmp, ReadsAndWritesWhatQtReadsForEveryRowPadding) {
    const std::string path = Path("p.bmp");
    for (int w : {1, 2, 3, 4, 5, 7}) {
        for (int h : {1, 2, 5}) {
            SCOPED_TRACE(testing::Message() << w << "x" << h);
            const Raster r = test::RandomRaster(w, h, static_cast<unsigned>(w * 10 + h));
            const std::string bmp = Written(r);
            test::WriteFile(path, bmp);
            EXPECT_EQ(ByQt(bmp), r);
            EXPECT_EQ(ReadPlainBmp(bmp), r);
            EXPECT_EQ(ReadPlainBmp(TopDown(bmp, h)), r);
            EXPECT_EQ(ReadPlainBmpFile(path), r);
        }
    }
}

TEST_F(PlainBmp, RowsWiderThanAPieceAndPicturesOfManyPieces) {
    const std::string path = Path("p.bmp");
    for (auto [w, h] : {std::pair{400000, 2}, std::pair{700, 1300}}) {
        const Raster r = test::RandomRaster(w, h, 5);
        int pieces = 0;
        std::string bmp;
        ASSERT_TRUE(WritePlainBmp(r, [&](std::string_view piece) {
            ++pieces;
            bmp.append(piece);
            return true;
        }));
        EXPECT_GT(pieces, 2);
        test::WriteFile(path, bmp);
        EXPECT_EQ(ReadPlainBmpFile(path), r);
    }
    // A sink that gives up stops the writer at once.
    int calls = 0;
    EXPECT_FALSE(WritePlainBmp(test::RandomRaster(700, 1300, 5),
                               [&](std::string_view) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
}

TEST_F(PlainBmp, AnyOtherKindIsLeftToTheGeneralDecoder) {
    const Raster r = test::RandomRaster(6, 4, 9);
    const std::string bmp = Written(r);
    auto with = [&](size_t at, std::string bytes) {
        std::string b = bmp;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    EXPECT_FALSE(ReadPlainBmp(with(28, std::string("\x20\x00", 2))));          // 32 bits a pixel
    EXPECT_FALSE(ReadPlainBmp(with(30, std::string("\x01\x00", 2))));          // run-length coded
    EXPECT_FALSE(ReadPlainBmp(with(14, std::string("\x6c\x00", 2))));          // a later header
    EXPECT_FALSE(ReadPlainBmp(with(18, std::string("\xff\xff\xff\xff", 4))));  // width -1
    EXPECT_FALSE(ReadPlainBmp(with(22, std::string("\x00\x00\x00\x80", 4))));  // height INT_MIN
    EXPECT_FALSE(ReadPlainBmp(with(10, std::string("\xff\xff\x00\x00", 4))));  // rows past the end
    EXPECT_FALSE(ReadPlainBmp(bmp.substr(0, bmp.size() - 1)));                 // one byte short
    std::string huge = with(18, std::string("\x00\x00\x01\x00\x00\x00\x01\x00", 8));
    EXPECT_FALSE(ReadPlainBmp(huge));  // 65536 x 65536: over the decoder's limit
    // The general decoder then says why.
    const std::string path = Path("cut.bmp");
    test::WriteFile(path, bmp.substr(0, bmp.size() - 1));
    EXPECT_FALSE(ReadPlainBmpFile(path));
    EXPECT_EQ(DecodePicture(path).error, "imagen BMP incompleta");
    EXPECT_FALSE(ReadPlainBmpFile(dir.path().toStdString()));
}

TEST_F(AtomicFile, PiecesReachTheTargetOnlyOnCommit) {
    const std::string path = Path("out.txt");
    test::WriteFile(path, "antes");
    {
        AtomicFileWriter abandoned(path);
        EXPECT_TRUE(abandoned.Append("a medias"));
    }
    EXPECT_EQ(test::ReadFile(path), "antes");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
    AtomicFileWriter writer(path);
    EXPECT_TRUE(writer.Append("uno "));
    EXPECT_TRUE(writer.Append("dos"));
    EXPECT_TRUE(writer.Commit());
    EXPECT_EQ(test::ReadFile(path), "uno dos");

    AtomicFileWriter intoFolder(dir.path().toStdString());
    EXPECT_FALSE(intoFolder.Append("x"));
    std::string why;
    EXPECT_FALSE(intoFolder.Commit(&why));
    EXPECT_EQ(why, "es una carpeta");
}

TEST_F(AtomicFile, AReplacedFileKeepsItsModeAndALinkKeepsPointingAtIt) {
    const std::string path = Path("guardado.txt");
    const std::string link = Path("enlace.txt");
    test::WriteFile(path, "antes");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(link, "después"));
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(test::ReadFile(path), "después");

    std::string why;
    EXPECT_FALSE(WriteFileAtomically(Path("no/hay/carpeta"), "x", &why));
    EXPECT_EQ(why, "no se puede crear el archivo");

    // A named pipe (as /dev/stdout may be) is written to, never replaced.
    const std::string pipe = Path("tubo");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = test::ReadFile(pipe); });
    EXPECT_TRUE(WriteFileAtomically(pipe, "por el tubo", &why)) << why;
    reader.join();
    EXPECT_EQ(received, "por el tubo");
    ASSERT_EQ(lstat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(WholeFile, ReadsWithinTheLimitAndSaysWhyNot) {
    const std::string path = Path("diez.txt");
    test::WriteFile(path, "0123456789");
    EXPECT_EQ(ReadWholeFile(path, 10).value_or(""), "0123456789");
    std::string why;
    EXPECT_FALSE(ReadWholeFile(path, 9, &why));
    EXPECT_EQ(why, "el archivo es demasiado grande");
    EXPECT_FALSE(ReadWholeFile(Path("falta"), 10, &why));
    EXPECT_EQ(why, "no existe el archivo");
    EXPECT_FALSE(ReadWholeFile(dir.path().toStdString(), 10, &why));
    EXPECT_EQ(why, "es una carpeta, no un archivo");
    // A file of the system reports no size: it is read to its end, within the limit.
    EXPECT_EQ(ReadWholeFile("/proc/self/stat", 1 << 20).value_or("").substr(0, 1).size(), 1u);
    EXPECT_FALSE(ReadWholeFile("/proc/self/stat", 3, &why));
    EXPECT_EQ(why, "el archivo es demasiado grande");
}

}  // namespace
}  // namespace glifora
