#include <cstdio>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "fonts/font_list.h"

namespace glifora::cli {

int RunFonts(const ParsedArgs&) {
    for (const std::string& face : EnumFixedFonts()) std::printf("%s\n", face.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : Fail("no se puede escribir en la salida estándar");
}

}  // namespace glifora::cli
