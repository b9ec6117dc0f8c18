// The full command set: what the executable hands over for every job that
// needs Qt (fonts, the general picture decoder, PNG output).

#include <QtGlobal>
#include <cstdlib>
#include <iostream>

#include "cli/cli.h"
#include "cli/cli_filter.h"
#include "platform/gui_on_demand.h"
#include "platform/picture_decoder.h"
#include "textart/art_picture.h"

namespace glifora::cli {
namespace {

// The command line speaks for itself; Qt's own notices (a missing runtime
// folder, a font substitution) are not for its users.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << "glifora: " << message.toStdString() << "\n";
        std::abort();
    }
}

Runner FullRunner(const std::string& name) {
    static const std::pair<const char*, Runner> runners[] = {
        {"ascii", RunAscii},   {"web", RunWeb},       {"anim", RunAnim},
        {"frames", RunFrames}, {"filter", RunFilter}, {"effects", RunEffects},
        {"glyphs", RunGlyphs}, {"fonts", RunFonts},
    };
    for (const auto& [known, run] : runners)
        if (name == known) return run;
    return nullptr;
}

}  // namespace

int RunFilter(const ParsedArgs& args) {
    return RunFilterWith(
        args,
        {[](const std::string& path) { return std::optional<PictureLoad>(DecodePicture(path)); },
         [](const Raster& picture, const std::string& path, std::string* why) {
             return SaveArtPicture(picture, PictureFileFormat::Png, path, why);
         }});
}

int RunFullCli(int argc, char** argv) {
    qInstallMessageHandler(QuietQtMessages);
    // Qt's application object is made only if a font is used; a web page or
    // a filter never needs one, nor text art whose glyphs are in the cache.
    GuiOnDemand gui(argv[0]);
    InitPictureDecoding();
    return RunCli(argc, argv, FullRunner);
}

}  // namespace glifora::cli
