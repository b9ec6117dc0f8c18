#pragma once
// The effect catalogue: one row per effect code, holding everything the rest
// of the program derives from it: the command-line name, the menu entries
// with their captions and parameters, whether the strength dialog handles it
// and with which range, and the filter that runs it. The menus, the dialog's
// ranges and `glifora effects` are all built from this table.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filters/filter_pixels.h"

namespace glifora {

inline constexpr int kFirstEffect = 1;
inline constexpr int kLastEffect = 32;

// Where a menu entry stands: the path of its submenu under "Imagen"
// ("Colores", "Colores/Blanco y negro") and its place in that submenu.
struct EffectMenuEntry {
    std::string_view menu;
    int position = 0;
    std::string_view name;  // the entry's design name, e.g. "mnuNitidez"
    int index = 0;          // the place in an indexed entry (mnuRGB 1 to 5), else 0
    std::string_view caption;
    int parameter = 0;
};

struct Effect {
    int code = 0;
    std::string_view name;  // command-line name; empty for the code with no effect
    std::vector<EffectMenuEntry> entries;
    // The parameter's rules, wherever the parameter comes from (a menu entry,
    // the strength dialog's slider or the command line):
    // - goes through the strength dialog, whose slider runs from `minimum` to
    //   `maximum`; the command line accepts only that range;
    bool configurable = false;
    int minimum = 0;
    int maximum = 0;
    // - a packed colour red + 256 x green + 65536 x blue;
    bool colorParameter = false;
    // - 0 is taken as 1 (a menu entry passes 0 where the filter needs 1 or more);
    bool zeroMeansOne = false;
    // - a value the filter cannot take (it divides by the parameter plus a
    //   constant), refused on the command line.
    std::optional<int> forbiddenParameter;
    FilterFunction filter = nullptr;  // null for a code with no filter

    // The parameter of the first menu entry: what the command line uses when
    // none is given.
    [[nodiscard]] int DefaultParameter() const {
        return entries.empty() ? 0 : entries.front().parameter;
    }
    // The value the filter works with for `parameter`.
    [[nodiscard]] int EffectiveParameter(int parameter) const {
        return zeroMeansOne && parameter == 0 ? 1 : parameter;
    }
};

// All codes 1 to 32, in code order.
[[nodiscard]] const std::vector<Effect>& EffectCatalogue();
// The row of `code`, or null outside 1 to 32.
[[nodiscard]] const Effect* FindEffect(int code);
// By command-line name (case ignored) or by code written in decimal.
[[nodiscard]] const Effect* FindEffect(std::string_view nameOrCode);

// The strength-dialog record of one code.
struct EffectSetting {
    bool Configurable = false;
    int Maximum = 0;
    int Minimum = 0;
};

// `EffectSettings`, indexed by code (index 0 unused): the dialog's view of
// the catalogue's parameter rules, derived once and never changed.
using EffectSettingsTable = std::array<EffectSetting, kLastEffect + 1>;
[[nodiscard]] const EffectSettingsTable& EffectSettings();
// The record of `code`; a record with Configurable false outside 1 to 32.
[[nodiscard]] EffectSetting EffectSettingOf(int code);

// The parameter limits of `effect`'s rules (a configurable effect within
// its dialog range, no forbidden divisor, 0 accepted where it means 1); an
// empty string when `parameter` is acceptable, else a short Spanish reason.
[[nodiscard]] std::string ParameterProblem(const Effect& effect, int parameter);

}  // namespace glifora
