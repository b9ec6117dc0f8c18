#include "fuzz_support.h"

#include <QGuiApplication>
#include <cstdlib>

#include "platform/picture_decoder.h"

namespace glifora::fuzz {

void StartQt() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "*.debug=false;qt.*=false", 0);
    static int argc = 1;
    static char name[] = "glifora-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    InitPictureDecoding();
}

}  // namespace glifora::fuzz
