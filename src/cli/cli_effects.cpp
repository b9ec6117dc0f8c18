// `glifora effects`: the catalogue as the command line names it.

#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "cli/cli_basics.h"
#include "filters/effect_catalogue.h"

namespace glifora::cli {
namespace {

std::string ColorText(int color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

}  // namespace

int RunEffects(const ParsedArgs&) {
    for (const Effect& e : EffectCatalogue()) {
        const std::string parameter =
            e.colorParameter ? ColorText(e.DefaultParameter())
                             : std::to_string(e.EffectiveParameter(e.DefaultParameter()));
        std::string range =
            e.configurable ? std::to_string(e.minimum) + ".." + std::to_string(e.maximum) : "-";
        std::string captions;
        for (const EffectMenuEntry& m : e.entries)
            captions += (captions.empty() ? "" : " / ") + std::string(m.caption);
        if (e.entries.empty()) captions = "(sin filtro)";
        char line[96];
        std::snprintf(line, sizeof line, "%2d  %-17s %-8s %-9s ", e.code,
                      e.name.empty() ? "-" : std::string(e.name).c_str(), parameter.c_str(),
                      range.c_str());
        std::cout << line << captions << "\n";
    }
    return kExitOk;
}

}  // namespace glifora::cli
