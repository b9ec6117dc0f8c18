#include "filters/effect_step.h"

#include <charconv>

#include "filters/filter_engine.h"

namespace glifora {
namespace {

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

class StepProgress final : public FilterProgress {
  public:
    StepProgress(const EffectStep& step, const EffectStepProgress& report)
        : step_(step), report_(report) {}
    void SetValue(int percent) override {
        if (report_) report_(step_, percent);
    }

  private:
    const EffectStep& step_;
    const EffectStepProgress& report_;
};

}  // namespace

bool ParseEffectStep(const std::string& text, EffectStep& out, std::string* error) {
    const size_t colon = text.find(':');
    const std::string which = text.substr(0, colon);
    const Effect* effect = FindEffect(which);
    if (!effect) {
        if (error) *error = "efecto desconocido: " + which + " (véase «glifora effects»)";
        return false;
    }
    int parameter = effect->DefaultParameter();
    if (colon != std::string::npos && !ParseParameter(text.substr(colon + 1), parameter)) {
        if (error)
            *error = "parámetro no válido en «" + text +
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

bool ParseEffectSteps(const std::vector<std::string>& texts, std::vector<EffectStep>& out,
                      std::string* error) {
    std::vector<EffectStep> steps(texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        if (!ParseEffectStep(texts[i], steps[i], error)) return false;
    out = std::move(steps);
    return true;
}

void ApplyEffectSteps(Raster& picture, const std::vector<EffectStep>& steps,
                      const EffectStepProgress& progress) {
    for (const EffectStep& step : steps) {
        StepProgress bar(step, progress);
        RunEffect(*step.effect, picture, step.parameter, bar);
    }
}

}  // namespace glifora
