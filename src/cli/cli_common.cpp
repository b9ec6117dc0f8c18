#include "cli/cli_common.h"

#include <iostream>

#include "platform/ansi.h"

namespace glifora::cli {

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

void PrepareSessionFor(TextArtSession& session, const TextArtSettings& settings) {
    const GlyphCache cache = GlyphCache::ForUser();
    PrepareSession(session, settings, &cache);
    // The default face falls back silently; a face asked for by name says so.
    const std::string& used = session.Font().FontName;
    if (settings.font.FontName != TextFont{}.FontName && used != settings.font.FontName)
        std::cerr << "glifora: la fuente «" << settings.font.FontName
                  << "» no está instalada; se usa «" << used << "»\n";
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

}  // namespace glifora::cli
