#include "app/cli_common.h"

namespace glifora::cli {

// Until the filter catalogue exists no effect name is known.
bool ApplyEffectArgs(Raster&, const std::vector<std::string>& steps, std::string* error) {
    if (steps.empty()) return true;
    if (error) *error = "efecto desconocido: " + steps.front();
    return false;
}

}  // namespace glifora::cli
