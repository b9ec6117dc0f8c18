// Shared main of the test programs: a QApplication on the offscreen platform,
// so fonts, pictures and widgets work without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/picture_decoder.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // A per-user temporary folder of the test's own, so windows that make
    // their working folder there leave nothing behind.
    QTemporaryDir runtime;
    runtime.setAutoRemove(true);
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    // And a cache folder of its own: the programs it runs keep glyph tables
    // there, never in the user's cache, and never find one left by an older
    // build.
    QTemporaryDir cache;
    cache.setAutoRemove(true);
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication app(argc, argv);
    glifora::InitPictureDecoding();
    return RUN_ALL_TESTS();
}
