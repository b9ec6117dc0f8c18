#pragma once
// One "E[:P]" step of the command line: an effect of the catalogue and its
// parameter (by default, that of the effect's first menu entry).

#include <string>

#include "filters/effect_catalogue.h"
#include "platform/raster.h"

namespace glifora::cli {

struct EffectStep {
    const Effect* effect = nullptr;
    int parameter = 0;
};

// E is a code 1 to 32 or a name as `glifora effects` lists it; P an integer
// or a colour #RRGGBB (packed red + 256 x green + 65536 x blue). False, with
// `error` set, for an unknown effect or an unusable parameter.
[[nodiscard]] bool ParseEffectStep(const std::string& step, EffectStep& out, std::string* error);

// Runs the step on `picture`, with a progress bar on stderr.
void RunEffectStep(const EffectStep& step, Raster& picture);

}  // namespace glifora::cli
