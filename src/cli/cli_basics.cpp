#include "cli/cli_basics.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "platform/random.h"

namespace glifora::cli {

std::vector<OptionSpec> FontOptions() {
    return {{"--palette", true}, {"--font", true}, {"--font-size", true}, {"--negative", false}};
}

std::vector<OptionSpec> AsciiOptions() {
    std::vector<OptionSpec> options = FontOptions();
    options.insert(options.end(), {{"--luminosity", true},
                                   {"--columns", true},
                                   {"--size", true},
                                   {"--screen-width", true},
                                   {"--outline", false},
                                   {"--fill", false},
                                   {"--shape", false},
                                   {"--effect", true, true},
                                   {"--seed", true}});
    return options;
}

std::vector<OptionSpec> TerminalColorOptions() {
    return {{"--color", false, false, true}, {"--color-depth", true}, {"--background", true}};
}

std::vector<OptionSpec> PictureOptions() {
    return {{"--fg", true}, {"--bg", true}, {"--scale", true}};
}

int Fail(const std::string& message) {
    std::cerr << "glifora: " << message << "\n";
    return kExitFailure;
}

std::vector<EffectStep> EffectStepsFromArgs(const ParsedArgs& args) {
    std::vector<EffectStep> steps;
    std::string why;
    if (!ParseEffectSteps(args.All("--effect"), steps, &why)) throw UsageError(why);
    return steps;
}

EffectStepProgress EffectBar() {
    auto bar = std::make_shared<std::unique_ptr<ProgressBar>>();
    auto current = std::make_shared<const Effect*>(nullptr);
    return [bar, current](const EffectStep& step, int percent) {
        if (*current != step.effect) {
            bar->reset();  // the previous step's bar is cleared first
            *bar = std::make_unique<ProgressBar>("Filtro " + std::string(step.effect->name));
            *current = step.effect;
        }
        (*bar)->Update(percent / 100.0);
    };
}

void SeedFromArgs(const ParsedArgs& args) {
    if (auto seed = args.Get("--seed")) {
        unsigned long long v = 0;
        try {
            size_t used = 0;
            v = std::stoull(*seed, &used);
            if (used != seed->size() || v > 0xFFFFFFFFull) throw UsageError("");
        } catch (...) {
            throw UsageError("--seed debe ser un número entero entre 0 y 4294967295");
        }
        SeedRandom(static_cast<uint32_t>(v));
    } else {
        SeedRandomFromClock();
    }
}

ProgressBar::ProgressBar(std::string label)
    : label_(std::move(label)), enabled_(isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar() {
    if (enabled_ && shown_ >= 0) std::fprintf(stderr, "\r\033[K");
}

void ProgressBar::Update(double fraction) {
    if (!enabled_) return;
    const int percent = static_cast<int>(fraction * 100.0 + 0.5);
    if (percent == shown_) return;
    shown_ = percent;
    const int width = 30;
    const int filled = percent * width / 100;
    std::fprintf(stderr, "\r%s [%.*s%*s] %3d%%", label_.c_str(), filled,
                 "##############################", width - filled, "", percent);
    std::fflush(stderr);
}

}  // namespace glifora::cli
