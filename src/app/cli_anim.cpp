#include <QFileInfo>
#include <iostream>
#include <optional>
#include <sstream>

#include "animation/animart_writer.h"
#include "animation/gif_frames.h"
#include "animation/work_folder.h"
#include "app/cli.h"
#include "app/cli_common.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "platform/shell.h"

namespace glifora::cli {
namespace {

// The frames of the command line: the last decoded one, effects applied,
// converted with the session's tables.
class SessionFrameMaker final : public FrameTextMaker {
  public:
    SessionFrameMaker(const TextArtInputs& inputs, Algorithm algorithm,
                      std::vector<std::string> effects)
        : inputs_(inputs), algorithm_(algorithm), effects_(std::move(effects)) {}

    void LoadFrame(Raster picture) override {
        std::string why;  // the steps were checked before the first frame
        (void)ApplyEffectArgs(picture, effects_, &why);
        current_ = std::move(picture);
    }
    std::string ConvertFrame() override {
        return current_ ? GenerateTextArtFrom(*current_, inputs_, algorithm_) : std::string();
    }

  private:
    TextArtInputs inputs_;
    Algorithm algorithm_;
    std::vector<std::string> effects_;
    std::optional<Raster> current_;
};

// The only dialog of the writer here is the save dialog, answered by -o.
class OutputDialogs final : public Dialogs {
  public:
    explicit OutputDialogs(std::string output) : output_(std::move(output)) {}
    std::string ShowOpenDialog(const std::string&, const std::string&,
                               const std::string&) override {
        return {};
    }
    std::string ShowSaveDialog(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return output_;
    }
    ColorValue ShowColorDialog() override { return kInvalidColor; }
    std::string BrowseForFolder() override { return {}; }
    FontChoice ChooseFont(const FontRequest&) override { return {}; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}

  private:
    std::string output_;
};

std::vector<std::string> SelectionFromArg(const std::string& list, int frameCount) {
    std::vector<std::string> selection;
    if (list.empty()) return selection;  // no frame: a page with none
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ','))
        selection.push_back(FrameNumberText(ParseInt(item, 1, frameCount, "--frames")));
    if (!list.empty() && list.back() == ',')
        throw UsageError("--frames: falta un número tras la última coma");
    return selection;
}

}  // namespace

int RunAnim(const ParsedArgs& args) {
    const AsciiSettings s = AsciiSettingsFromArgs(args);
    SeedFromArgs(args);
    const auto output = args.Get("-o");
    if (!output || output->empty()) throw UsageError("falta -o ARCHIVO");
    const std::string& input = args.positionals[0];
    const bool fromFolder = QFileInfo(QString::fromStdString(input)).isDir();
    if (fromFolder && args.Has("--frames"))
        throw UsageError("--frames solo vale para un GIF, no para una carpeta");
    {
        Raster probe(1, 1);
        std::string why;
        if (!ApplyEffectArgs(probe, s.effects, &why)) throw UsageError(why);
    }

    AnimArtRequest request;
    WorkFolder frames;  // a GIF's frame files, removed when the run ends
    if (fromFolder) {
        request.folder = input;
        if (ListPictureFiles(input).empty())
            return Fail("la carpeta «" + input + "» no contiene imágenes bmp, gif, jpg ni jpeg");
    } else {
        std::string why;
        const auto gif = ReadWholeFile(input, kDecodeByteLimit, &why);
        if (!gif) return Fail("no se puede leer «" + input + "»: " + why);
        frames = WorkFolder::CreatePrivate(UserTempFolder());
        if (!frames.Usable()) return Fail("no se puede crear una carpeta de trabajo");
        const FrameFilesWritten written = WriteFrameFiles(*gif, frames.Path());
        if (!written.error.empty())
            return Fail("no se ha podido guardar el fotograma " + written.error);
        const int count = static_cast<int>(written.startPositions.size());
        if (count == 0) return Fail("«" + input + "» no es un GIF con fotogramas");
        request.folder = frames.Path();
        request.fromGif = true;
        if (auto list = args.Get("--frames")) {
            request.selection = SelectionFromArg(*list, count);
        } else {
            for (int n = 1; n <= count; ++n) request.selection.push_back(FrameNumberText(n));
        }
    }

    TextArtSession session;
    PrepareSession(session, s);
    TextArtInputs in;
    in.columns = ColumnsFor(s, session);
    in.cellWidth = session.Cell().width;
    in.cellHeight = session.Cell().height;
    in.luminosity = s.luminosity;
    in.levelMap = &session.Tables().LevelMap;
    in.fill = s.fill;
    SessionFrameMaker maker(in, s.outline ? Algorithm::Outline : Algorithm::Tonal, s.effects);
    OutputDialogs dialogs(*output);
    ProgressBar bar("AnimArt");
    const AnimArtResult result = WriteAnimArt(request, maker, dialogs, [&](int done, int total) {
        bar.Update(static_cast<double>(done) / total);
    });
    for (const std::string& picture : result.undecodable)
        std::cerr << "glifora: aviso: no se puede cargar «" << picture
                  << "»; se repite el fotograma anterior\n";
    switch (result.outcome) {
        case AnimArtOutcome::Written:
            return kExitOk;
        case AnimArtOutcome::Failed:
            return Fail("no se ha podido guardar el archivo «" + *output + "»: " + result.error);
        default:
            return Fail("no hay fotogramas que escribir");
    }
}

}  // namespace glifora::cli
