#include <QDir>
#include <iostream>

#include "animation/gif_frames.h"
#include "cli/cli.h"
#include "cli/cli_common.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"

namespace glifora::cli {

int RunFrames(const ParsedArgs& args) {
    const auto dir = args.Get("-d");
    if (!dir || dir->empty()) throw UsageError("falta -d CARPETA");
    const std::string& input = args.positionals[0];
    std::string why;
    const auto gif = ReadWholeFile(input, kDecodeByteLimit, &why);
    if (!gif) return Fail("no se puede leer «" + input + "»: " + why);

    // Nothing is written, not even the folder, for a file without frames.
    if (!CutGifFrames(*gif).frames.empty() && !QDir().mkpath(QString::fromStdString(*dir)))
        return Fail("no se puede crear la carpeta «" + *dir + "»");
    const FrameFilesWritten written = WriteFrameFiles(*gif, *dir);
    if (!written.error.empty())
        return Fail("no se ha podido guardar el fotograma " + written.error);
    std::cout << written.startPositions.size() << "\n";
    std::cout.flush();
    return std::cout ? kExitOk : Fail("no se puede escribir en la salida estándar");
}

}  // namespace glifora::cli
