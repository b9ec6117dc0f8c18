#pragma once
// An "E[:P]" step: an effect of the catalogue and its parameter, as the
// command line names it. Steps are parsed and checked in full before any
// picture is decoded or any generator is seeded, so a mistyped step costs
// nothing and never changes what a seeded run draws.

#include <functional>
#include <string>
#include <vector>

#include "filters/effect_catalogue.h"
#include "platform/raster.h"

namespace glifora {

struct EffectStep {
    const Effect* effect = nullptr;
    int parameter = 0;
};

// E is a code 1 to 32 or a name as `glifora effects` lists it; P an integer
// or a colour #RRGGBB (packed red + 256 x green + 65536 x blue); without P the
// parameter of the effect's first menu entry. False, with `error` set to a
// short Spanish reason, for an unknown effect or an unusable parameter.
[[nodiscard]] bool ParseEffectStep(const std::string& text, EffectStep& out, std::string* error);
// Every step of `texts`, or false at the first that cannot be used.
[[nodiscard]] bool ParseEffectSteps(const std::vector<std::string>& texts,
                                    std::vector<EffectStep>& out, std::string* error);

// Called while a step runs with the step and its progress, 0 to 100.
using EffectStepProgress = std::function<void(const EffectStep& step, int percent)>;

// Runs the steps on `picture` in order.
void ApplyEffectSteps(Raster& picture, const std::vector<EffectStep>& steps,
                      const EffectStepProgress& progress = {});

}  // namespace glifora
