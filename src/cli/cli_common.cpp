#include "cli/cli_common.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "platform/ansi.h"
#include "platform/random.h"

namespace glifora::cli {

int Fail(const std::string& message) {
    std::cerr << "glifora: " << message << "\n";
    return kExitFailure;
}

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

TextArtSettings FontSettingsFromArgs(const ParsedArgs& args) {
    TextArtSettings s;
    s.palette = args.Int("--palette", 0, 3, 0);
    if (auto font = args.Get("--font")) {
        if (font->empty()) throw UsageError("--font no puede estar vacío");
        s.font.FontName = *font;
    }
    s.font.FontSize = args.Int("--font-size", 1, 1638, 6);
    s.negative = args.Has("--negative");
    return s;
}

TextArtSettings TextArtSettingsFromArgs(const ParsedArgs& args) {
    TextArtSettings s = FontSettingsFromArgs(args);
    s.luminosity = args.Int("--luminosity", -100, 100, 0);
    if (args.Has("--columns") && args.Has("--size"))
        throw UsageError("--columns y --size no se pueden usar juntos");
    if (args.Has("--screen-width") && !args.Has("--size"))
        throw UsageError("--screen-width solo tiene sentido con --size");
    if (args.Has("--size")) {
        s.sizePercent = args.Int("--size", 1, 100, 50);
        s.screenWidth = args.Int("--screen-width", 1, 1000000, 1920);
    } else {
        s.columns = args.Int("--columns", 0, 100000, 100);
    }
    if (args.Has("--outline")) s.algorithm = Algorithm::Outline;
    if (args.Has("--shape")) {
        if (s.algorithm == Algorithm::Outline)
            throw UsageError("--shape y --outline no se pueden usar juntos");
        s.algorithm = Algorithm::Detail;
    }
    s.fill = args.Has("--fill");
    if (s.fill && s.algorithm != Algorithm::Outline)
        throw UsageError("--fill solo tiene sentido con --outline");
    s.effects = EffectStepsFromArgs(args);
    return s;
}

std::vector<EffectStep> EffectStepsFromArgs(const ParsedArgs& args) {
    std::vector<EffectStep> steps;
    std::string why;
    if (!ParseEffectSteps(args.All("--effect"), steps, &why)) throw UsageError(why);
    return steps;
}

void PrepareSessionFor(TextArtSession& session, const TextArtSettings& settings) {
    const GlyphCache cache = GlyphCache::ForUser();
    PrepareSession(session, settings, &cache);
    // The default face falls back silently; a face asked for by name says so.
    const std::string& used = session.Font().FontName;
    if (settings.font.FontName != TextFont{}.FontName && used != settings.font.FontName)
        std::cerr << "glifora: la fuente «" << settings.font.FontName
                  << "» no está instalada; se usa «" << used << "»\n";
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

std::string ForTerminal(const std::string& ansiText) {
    // The five bytes the code page leaves undefined stand for C1 controls; a
    // terminal would obey some of them (0x90 and 0x9D open control strings
    // that swallow what follows), so they are shown as "?".
    std::string safe = ansiText;
    for (char& c : safe) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) c = '?';
    }
    std::string utf8 = AnsiToUtf8(safe);
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        out.push_back(utf8[i]);
    }
    return out;
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
