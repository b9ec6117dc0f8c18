#include <cstdio>

#include "cli/cli.h"
#include "cli/cli_common.h"

namespace glifora::cli {

int RunGlyphs(const ParsedArgs& args) {
    const TextArtSettings s = FontSettingsFromArgs(args);
    TextArtSession session{TextArtSession::Deferred{}};
    PrepareSessionFor(session, s);
    const GlyphTables& t = session.Tables();
    std::printf("celda %d %d\n", session.Cell().width, session.Cell().height);
    std::printf("brillo %.6f %.6f\n", t.MinBrightness, t.MaxBrightness);
    for (int c = 0; c < 256; ++c) std::printf("glifo %d %.6f\n", c, t.GlyphTable[c]);
    for (int l = 0; l < 256; ++l) std::printf("nivel %d %d\n", l, t.LevelMap[l]);
    return std::fflush(stdout) == 0 ? kExitOk : Fail("no se puede escribir en la salida estándar");
}

}  // namespace glifora::cli
