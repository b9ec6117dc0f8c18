#include "filters/effect_catalogue.h"

#include <charconv>

#include "filters/filter_families.h"
#include "platform/raster.h"

namespace glifora {
namespace {

using namespace filters;

constexpr int kWhite = MakeColor(255, 255, 255);
constexpr int kBlueGreen = MakeColor(0, 120, 120);
constexpr int kGrey150 = MakeColor(150, 150, 150);

constexpr std::string_view kColores = "Colores";
constexpr std::string_view kBlancoNegro = "Colores/Blanco y negro";
constexpr std::string_view kRgb = "Colores/Intercambiar RGB";
constexpr std::string_view kIntensidad = "Intensidad";
constexpr std::string_view kBordes = "Bordes";
constexpr std::string_view kEfectos = "Efectos";

struct Range {
    bool configurable = false;
    int minimum = 0;
    int maximum = 0;
};
constexpr Range kFixed{};

Effect Row(int code, std::string_view name, std::vector<EffectMenuEntry> entries, Range range,
           FilterFunction filter, bool color = false, bool needsSource = false) {
    return Effect{code,
                  name,
                  std::move(entries),
                  range.configurable,
                  range.minimum,
                  range.maximum,
                  color,
                  needsSource,
                  filter};
}

std::vector<Effect> BuildCatalogue() {
    // code, name, menu entries {submenu, place, design name, index, caption,
    // parameter}, dialog range, filter, colour parameter, reads neighbours of S.
    std::vector<Effect> t = {
        Row(1, "nitidez",
            {{kEfectos, 7, "mnuNitidez", 0, "Aumentar nitidez", 2},
             {kEfectos, 8, "mnuMasNitidez", 0, "Aumentar más nitidez", 0}},
            {true, 0, 100}, Sharpen),
        Row(2, "negativo", {{kColores, 2, "mnuNegativo", 0, "Negativo", 0}}, kFixed, Negative),
        Row(3, "desenfocar", {{kEfectos, 4, "mnuDesenfocar", 0, "Desenfocar", 0}}, kFixed, Blur),
        Row(4, "difuminar",
            {{kEfectos, 9, "mnuDifuminar", 0, "Difuminar", 6},
             {kEfectos, 10, "mnuDifuminarMas", 0, "Difuminar más", 12}},
            {true, 0, 100}, Diffuse),
        Row(5, "humo", {{kEfectos, 3, "mnuHumo", 0, "Humo", 0}}, kFixed, Smoke),
        Row(6, "realce-borde", {{kBordes, 6, "mnuRealceBorde", 0, "Realce solo del borde", 1}},
            kFixed, EdgeEnhance),
        Row(7, "contornos", {{kBordes, 7, "mnuContornos", 0, "Marcar contornos", kWhite}}, kFixed,
            MarkContours, true, true),
        Row(8, "realzar", {{kBordes, 1, "mnuRealzar", 0, "Realzar", kBlueGreen}}, kFixed, Enhance,
            true),
        Row(9, "realzar-mas", {{kBordes, 2, "mnuRealzarMas", 0, "Realzar más", kBlueGreen}}, kFixed,
            EnhanceMore, true, true),
        Row(10, "grabado", {{kBordes, 3, "mnugrabado", 0, "Grabado", kBlueGreen}}, kFixed, Engrave,
            true),
        Row(11, "mas-grabado", {{kBordes, 4, "mnuMasGrabado", 0, "Más grabado", kBlueGreen}},
            kFixed, EngraveMore, true, true),
        Row(12, "grises", {{kColores, 1, "mnuGrises", 0, "Escala de grises", 0}}, kFixed,
            GreyScale),
        Row(13, "relieve", {{kBordes, 5, "mnuRelieve", 0, "Relieve", 0}}, kFixed, Relief, false,
            true),
        Row(14, "brillo",
            {{kIntensidad, 1, "mnuAumentarbrillo", 0, "Aumentar brillo", 10},
             {kIntensidad, 2, "mnuDisminuirbrillo", 0, "Disminuir brillo", -10}},
            {true, -100, 100}, Brightness),
        Row(15, "pixelizar", {{kEfectos, 12, "mnuPixelizar", 0, "Pixelizar", 3}}, {true, 1, 20},
            Pixelate),
        Row(16, "rgb",
            {{kRgb, 1, "mnuRGB", 1, "RGB -> BRG", 1},
             {kRgb, 2, "mnuRGB", 2, "RGB -> GBR", 2},
             {kRgb, 3, "mnuRGB", 3, "RGB -> RBG", 3},
             {kRgb, 4, "mnuRGB", 4, "RGB -> BGR", 4},
             {kRgb, 5, "mnuRGB", 5, "RGB -> GRB", 5}},
            kFixed, ChannelExchange),
        Row(17, "contraste",
            {{kIntensidad, 3, "mnuAumentarcontraste", 0, "Aumentar contraste", 10},
             {kIntensidad, 4, "mnuDisminuircontraste", 0, "Disminuir contraste", -10}},
            {true, -100, 100}, Contrast),
        Row(18, "metodo1", {{kBlancoNegro, 1, "mnuMetodo1", 0, "Método 1", kGrey150}}, kFixed,
            Method1, true),
        Row(19, "metodo2", {{kBlancoNegro, 2, "mnuMetodo2", 0, "Método 2", 0}}, kFixed, Method2,
            false, true),
        Row(20, "metodo3", {{kBlancoNegro, 3, "mnuMetodo3", 0, "Método 3", 0}}, kFixed, Method3),
        Row(21, "metodo4", {{kBlancoNegro, 4, "mnuMetodo4", 0, "Método 4", 15}}, kFixed, Method4),
        Row(22, "metodo5", {{kBlancoNegro, 5, "mnuMetodo5", 0, "Método 5", 15}}, kFixed, Method5),
        Row(23, "metodo6", {{kBlancoNegro, 6, "mnuMetodo6", 0, "Método 6", 15}}, kFixed, Method6),
        Row(24, "acuarela", {{kEfectos, 1, "mnuAcuarela", 0, "Acuarela", 0}}, kFixed, Watercolour,
            false, true),
        Row(25, "exposicion", {{kEfectos, 11, "mnuDilate", 0, "Aumentar exposición", 0}}, kFixed,
            Dilate, false, true),
        Row(26, "erosion", {{kEfectos, 5, "mnuErosion", 0, "Erosión", 0}}, kFixed, Erode, false,
            true),
        Row(27, "contornos-unidos",
            {{kBordes, 8, "mnuContornosUnidos", 0, "Marcar contornos unidos", 0}}, kFixed,
            JoinedContours, false, true),
        Row(28, "", {}, kFixed, nullptr),
        Row(29, "ruido", {{kEfectos, 2, "mnuruido", 0, "Añadir ruido", 50}}, kFixed, AddNoise),
        Row(30, "saturacion",
            {{kIntensidad, 5, "mnuAumentarsaturacion", 0, "Aumentar saturacion", 15},
             {kIntensidad, 6, "mnuDisminuirSaturacion", 0, "Disminuir saturacion", -15}},
            {true, -100, 100}, Saturation),
        Row(31, "gamma", {{kColores, 5, "mnuGamma", 0, "Corrección gamma", 0}}, {true, 1, 100},
            Gamma),
        Row(32, "foto-antigua", {{kEfectos, 6, "mnuOldPhoto", 0, "Foto antigua", 0}}, kFixed,
            OldPhoto),
    };
    return t;
}

EffectSettingsTable& MutableSettings() {
    static EffectSettingsTable table{};
    return table;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

const std::vector<Effect>& EffectCatalogue() {
    static const std::vector<Effect> catalogue = BuildCatalogue();
    return catalogue;
}

const Effect* FindEffect(int code) {
    if (code < kFirstEffect || code > kLastEffect) return nullptr;
    return &EffectCatalogue()[static_cast<size_t>(code - kFirstEffect)];
}

const Effect* FindEffect(std::string_view nameOrCode) {
    if (nameOrCode.empty()) return nullptr;
    int code = 0;
    const char* end = nameOrCode.data() + nameOrCode.size();
    if (auto [ptr, ec] = std::from_chars(nameOrCode.data(), end, code);
        ec == std::errc() && ptr == end)
        return FindEffect(code);
    for (const Effect& e : EffectCatalogue()) {
        if (e.name.empty() || e.name.size() != nameOrCode.size()) continue;
        bool same = true;
        for (size_t i = 0; i < e.name.size() && same; ++i) same = Lower(nameOrCode[i]) == e.name[i];
        if (same) return &e;
    }
    return nullptr;
}

const EffectSettingsTable& EffectSettings() {
    return MutableSettings();
}

void InitEffectSettings() {
    EffectSettingsTable& t = MutableSettings();
    for (const Effect& e : EffectCatalogue())
        t[static_cast<size_t>(e.code)] = {e.configurable, e.maximum, e.minimum};
}

std::string ParameterProblem(const Effect& effect, int parameter) {
    const auto range = [&] {
        return "el parámetro de " + std::string(effect.name) + " debe estar entre " +
               std::to_string(effect.minimum) + " y " + std::to_string(effect.maximum);
    };
    // The gamma menu entry passes 0, which is taken as 1.
    if (effect.code == 31 && parameter == 0) return {};
    if (effect.configurable && (parameter < effect.minimum || parameter > effect.maximum))
        return range();
    if (effect.code == 6 && parameter == -1)
        return "el parámetro de " + std::string(effect.name) + " no puede ser -1";
    if (effect.code >= 21 && effect.code <= 23 && parameter == 0)
        return "el parámetro de " + std::string(effect.name) + " no puede ser 0";
    return {};
}

}  // namespace glifora
