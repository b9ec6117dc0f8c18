#include <cstdio>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "fonts/font_list.h"
#include "platform/gui_on_demand.h"

namespace glifora::cli {

int RunFonts(const ParsedArgs&) {
    RequireGui();  // the font database lives in the application object
    for (const std::string& face : EnumFixedFonts()) std::printf("%s\n", face.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : Fail("no se puede escribir en la salida estándar");
}

}  // namespace glifora::cli
