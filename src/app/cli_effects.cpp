// `glifora effects`, and the "E[:P]" effect steps every subcommand accepts.

#include <charconv>
#include <cstdio>
#include <iostream>

#include "app/cli.h"
#include "app/cli_common.h"
#include "app/cli_effect_step.h"
#include "filters/effect_catalogue.h"
#include "filters/filter_engine.h"

namespace glifora::cli {
namespace {

std::string ColorText(int color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

bool ParseParameter(const std::string& text, int& value) {
    if (text.size() == 7 && text[0] == '#') {
        int rgb = 0;
        auto [ptr, ec] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
        if (ec != std::errc() || ptr != text.data() + 7) return false;
        value = MakeColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        return true;
    }
    const char* begin = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

// The command line's progress bar under a filter run.
class BarProgress final : public FilterProgress {
  public:
    explicit BarProgress(const Effect& effect) : bar_("Filtro " + std::string(effect.name)) {}
    void SetValue(int percent) override { bar_.Update(percent / 100.0); }

  private:
    ProgressBar bar_;
};

}  // namespace

bool ParseEffectStep(const std::string& step, EffectStep& out, std::string* error) {
    const size_t colon = step.find(':');
    const std::string which = step.substr(0, colon);
    const Effect* effect = FindEffect(which);
    if (!effect) {
        if (error) *error = "efecto desconocido: " + which + " (véase «glifora effects»)";
        return false;
    }
    int parameter = effect->DefaultParameter();
    if (colon != std::string::npos && !ParseParameter(step.substr(colon + 1), parameter)) {
        if (error)
            *error = "parámetro no válido en «" + step +
                     "»: debe ser un número entero o un color #RRGGBB";
        return false;
    }
    if (std::string why = ParameterProblem(*effect, parameter); !why.empty()) {
        if (error) *error = why;
        return false;
    }
    out = {effect, parameter};
    return true;
}

void RunEffectStep(const EffectStep& step, Raster& picture) {
    BarProgress progress(*step.effect);
    RunEffect(*step.effect, picture, step.parameter, progress);
}

bool ApplyEffectArgs(Raster& picture, const std::vector<std::string>& steps, std::string* error) {
    std::vector<EffectStep> parsed(steps.size());
    for (size_t i = 0; i < steps.size(); ++i)
        if (!ParseEffectStep(steps[i], parsed[i], error)) return false;
    for (const EffectStep& s : parsed) RunEffectStep(s, picture);
    return true;
}

int RunEffects(const ParsedArgs&) {
    for (const Effect& e : EffectCatalogue()) {
        std::string parameter = e.colorParameter ? ColorText(e.DefaultParameter())
                                                 : std::to_string(e.DefaultParameter());
        if (e.code == 31) parameter = "1";  // the menu's 0 is taken as 1
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
