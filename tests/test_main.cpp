// Shared main of the test programs: a QApplication on the offscreen platform,
// so fonts, pictures and widgets work without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/picture_decoder.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    glifora::InitPictureDecoding();
    return RUN_ALL_TESTS();
}
