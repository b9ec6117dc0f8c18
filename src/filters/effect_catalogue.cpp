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

// An effect's parameter rules (the fields of Effect between `entries` and `filter`).
struct Rules {
    bool configurable = false;
    int minimum = 0;
    int maximum = 0;
    bool color = false;
    bool zeroMeansOne = false;
    std::optional<int> forbidden;
};
constexpr Rules kFixed{};
constexpr Rules kColor = [] {
    Rules r;
    r.color = true;
    return r;
}();
// Through the strength dialog, with its slider's range.
constexpr Rules Dialog(int minimum, int maximum) {
    Rules r;
    r.configurable = true;
    r.minimum = minimum;
    r.maximum = maximum;
    return r;
}
// The filter divides by parameter + k, so -k is refused.
constexpr Rules Divisor(int k, Rules r = kFixed) {
    r.forbidden = -k;
    return r;
}
// A menu entry passes 0, taken as 1.
constexpr Rules ZeroMeansOne(Rules r) {
    r.zeroMeansOne = true;
    return r;
}

Effect Row(int code, std::string_view name, std::vector<EffectMenuEntry> entries, Rules rules,
           FilterFunction filter) {
    return Effect{.code = code,
                  .name = name,
                  .entries = std::move(entries),
                  .configurable = rules.configurable,
                  .minimum = rules.minimum,
                  .maximum = rules.maximum,
                  .colorParameter = rules.color,
                  .zeroMeansOne = rules.zeroMeansOne,
                  .forbiddenParameter = rules.forbidden,
                  .filter = filter};
}

std::vector<Effect> BuildCatalogue() {
    // code, name, menu entries {submenu, place, design name, index, caption,
    // parameter}, parameter rules, filter.
    std::vector<Effect> t = {
        Row(1, "nitidez",
            {{kEfectos, 7, "mnuNitidez", 0, "Aumentar nitidez", 2},
             {kEfectos, 8, "mnuMasNitidez", 0, "Aumentar más nitidez", 0}},
            Divisor(8, Dialog(0, 100)), Sharpen),
        Row(2, "negativo", {{kColores, 2, "mnuNegativo", 0, "Negativo", 0}}, kFixed, Negative),
        Row(3, "desenfocar", {{kEfectos, 4, "mnuDesenfocar", 0, "Desenfocar", 0}}, kFixed, Blur),
        Row(4, "difuminar",
            {{kEfectos, 9, "mnuDifuminar", 0, "Difuminar", 6},
             {kEfectos, 10, "mnuDifuminarMas", 0, "Difuminar más", 12}},
            Dialog(0, 100), Diffuse),
        Row(5, "humo", {{kEfectos, 3, "mnuHumo", 0, "Humo", 0}}, kFixed, Smoke),
        Row(6, "realce-borde", {{kBordes, 6, "mnuRealceBorde", 0, "Realce solo del borde", 1}},
            Divisor(1), EdgeEnhance),
        Row(7, "contornos", {{kBordes, 7, "mnuContornos", 0, "Marcar contornos", kWhite}}, kColor,
            MarkContours),
        Row(8, "realzar", {{kBordes, 1, "mnuRealzar", 0, "Realzar", kBlueGreen}}, kColor, Enhance),
        Row(9, "realzar-mas", {{kBordes, 2, "mnuRealzarMas", 0, "Realzar más", kBlueGreen}}, kColor,
            EnhanceMore),
        Row(10, "grabado", {{kBordes, 3, "mnugrabado", 0, "Grabado", kBlueGreen}}, kColor, Engrave),
        Row(11, "mas-grabado", {{kBordes, 4, "mnuMasGrabado", 0, "Más grabado", kBlueGreen}},
            kColor, EngraveMore),
        Row(12, "grises", {{kColores, 1, "mnuGrises", 0, "Escala de grises", 0}}, kFixed,
            GreyScale),
        Row(13, "relieve", {{kBordes, 5, "mnuRelieve", 0, "Relieve", 0}}, kFixed, Relief),
        Row(14, "brillo",
            {{kIntensidad, 1, "mnuAumentarbrillo", 0, "Aumentar brillo", 10},
             {kIntensidad, 2, "mnuDisminuirbrillo", 0, "Disminuir brillo", -10}},
            Dialog(-100, 100), Brightness),
        Row(15, "pixelizar", {{kEfectos, 12, "mnuPixelizar", 0, "Pixelizar", 3}}, Dialog(1, 20),
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
            Dialog(-100, 100), Contrast),
        Row(18, "metodo1", {{kBlancoNegro, 1, "mnuMetodo1", 0, "Método 1", kGrey150}}, kColor,
            Method1),
        Row(19, "metodo2", {{kBlancoNegro, 2, "mnuMetodo2", 0, "Método 2", 0}}, kFixed, Method2),
        Row(20, "metodo3", {{kBlancoNegro, 3, "mnuMetodo3", 0, "Método 3", 0}}, kFixed, Method3),
        Row(21, "metodo4", {{kBlancoNegro, 4, "mnuMetodo4", 0, "Método 4", 15}}, Divisor(0),
            Method4),
        Row(22, "metodo5", {{kBlancoNegro, 5, "mnuMetodo5", 0, "Método 5", 15}}, Divisor(0),
            Method5),
        Row(23, "metodo6", {{kBlancoNegro, 6, "mnuMetodo6", 0, "Método 6", 15}}, Divisor(0),
            Method6),
        Row(24, "acuarela", {{kEfectos, 1, "mnuAcuarela", 0, "Acuarela", 0}}, kFixed, Watercolour),
        Row(25, "exposicion", {{kEfectos, 11, "mnuDilate", 0, "Aumentar exposición", 0}}, kFixed,
            Dilate),
        Row(26, "erosion", {{kEfectos, 5, "mnuErosion", 0, "Erosión", 0}}, kFixed, Erode),
        Row(27, "contornos-unidos",
            {{kBordes, 8, "mnuContornosUnidos", 0, "Marcar contornos unidos", 0}}, kFixed,
            JoinedContours),
        Row(28, "", {}, kFixed, nullptr),
        Row(29, "ruido", {{kEfectos, 2, "mnuruido", 0, "Añadir ruido", 50}}, kFixed, AddNoise),
        Row(30, "saturacion",
            {{kIntensidad, 5, "mnuAumentarsaturacion", 0, "Aumentar saturacion", 15},
             {kIntensidad, 6, "mnuDisminuirSaturacion", 0, "Disminuir saturacion", -15}},
            Dialog(-100, 100), Saturation),
        Row(31, "gamma", {{kColores, 5, "mnuGamma", 0, "Corrección gamma", 0}},
            ZeroMeansOne(Dialog(1, 100)), Gamma),
        Row(32, "foto-antigua", {{kEfectos, 6, "mnuOldPhoto", 0, "Foto antigua", 0}}, kFixed,
            OldPhoto),
    };
    return t;
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
    static const EffectSettingsTable table = [] {
        EffectSettingsTable t{};
        for (const Effect& e : EffectCatalogue())
            t[static_cast<size_t>(e.code)] = {e.configurable, e.maximum, e.minimum};
        return t;
    }();
    return table;
}

EffectSetting EffectSettingOf(int code) {
    if (code < kFirstEffect || code > kLastEffect) return {};
    return EffectSettings()[static_cast<size_t>(code)];
}

std::string ParameterProblem(const Effect& effect, int parameter) {
    const std::string of = "el parámetro de " + std::string(effect.name);
    parameter = effect.EffectiveParameter(parameter);
    if (effect.configurable && (parameter < effect.minimum || parameter > effect.maximum))
        return of + " debe estar entre " + std::to_string(effect.minimum) + " y " +
               std::to_string(effect.maximum);
    if (effect.forbiddenParameter && parameter == *effect.forbiddenParameter)
        return of + " no puede ser " + std::to_string(parameter);
    return {};
}

}  // namespace glifora
