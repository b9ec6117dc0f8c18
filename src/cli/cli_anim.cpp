#include <QFileInfo>
#include <iostream>
#include <sstream>

#include "animation/anim_art_job.h"
#include "animation/gif_frames.h"
#include "animation/work_folder.h"
#include "cli/cli.h"
#include "cli/cli_color.h"
#include "cli/cli_common.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "platform/shell.h"

namespace glifora::cli {
namespace {

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

// With --color the frames go to standard output one after another, an empty
// line between two, instead of into a page; nothing is played.
class PrintingFrameMaker final : public FrameTextMaker {
  public:
    PrintingFrameMaker(const TextArtSettings& settings, const TextArtSession& session,
                       const TerminalColor& color)
        : settings_(settings), session_(session), color_(color) {}
    void LoadFrame(Raster picture) override {
        ApplyEffectSteps(picture, settings_.effects);
        current_ = std::move(picture);
    }
    [[nodiscard]] std::string ConvertFrame() override {
        const TextArtResult art =
            current_ ? ConvertPicture(*current_, settings_, session_) : TextArtResult{};
        if (frames_++ > 0) std::cout << "\n";
        std::cout << TerminalText(art, color_);
        return art.text;
    }

  private:
    const TextArtSettings& settings_;
    const TextArtSession& session_;
    const TerminalColor& color_;
    std::optional<Raster> current_;
    int frames_ = 0;
};

}  // namespace

int RunAnim(const ParsedArgs& args) {
    AnimArtSettings settings;
    settings.text = TextArtSettingsFromArgs(args);
    const auto output = args.Get("-o");
    const bool printing = args.Has("--color");
    if (printing && args.Has("-o"))
        throw UsageError("--color muestra los fotogramas en el terminal; no se usa con -o");
    if (!printing && (!output || output->empty()))
        throw UsageError("falta -o ARCHIVO (o --color para mostrar los fotogramas)");
    for (const char* option : {"--color-depth", "--background"})
        if (!printing && args.Has(option))
            throw UsageError(std::string(option) + " solo vale con --color");
    TerminalColor color;
    if (printing) {
        color = TerminalColorFromArgs(args, settings.text.negative);
        settings.text.cellColors = color.enabled;
    }
    const std::string& input = args.positionals[0];
    const bool fromFolder = QFileInfo(QString::fromStdString(input)).isDir();
    if (fromFolder && args.Has("--frames"))
        throw UsageError("--frames solo vale para un GIF, no para una carpeta");
    SeedFromArgs(args);

    AnimArtRequest& request = settings.source;
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

    if (AnimArtFramePaths(request).empty() && !request.fromGif)
        return Fail("no hay fotogramas que escribir");
    TextArtSession session{TextArtSession::Deferred{}};
    PrepareSessionFor(session, settings.text);
    if (printing) {
        PrintingFrameMaker maker(settings.text, session, color);
        const AnimArtPageResult result =
            WriteAnimArtPage(request, maker, [](std::string_view) { return true; });
        for (const std::string& picture : result.undecodable)
            std::cerr << "glifora: aviso: no se puede cargar «" << picture
                      << "»; se repite el fotograma anterior\n";
        std::cout.flush();
        return std::cout ? kExitOk : Fail("no se puede escribir en la salida estándar");
    }
    request.face = MeasuredFace(session.QtFont());
    AtomicFileWriter file(*output);
    ProgressBar bar("AnimArt");
    const AnimArtPageResult result = AnimArtFromFrames(
        settings, session, [&](std::string_view piece) { return file.Append(piece); },
        [&](int done, int total) { bar.Update(static_cast<double>(done) / total); });
    for (const std::string& picture : result.undecodable)
        std::cerr << "glifora: aviso: no se puede cargar «" << picture
                  << "»; se repite el fotograma anterior\n";
    std::string why;
    if (!file.Commit(&why))
        return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
    return kExitOk;
}

}  // namespace glifora::cli
