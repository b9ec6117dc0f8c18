#pragma once
// One text-art job, as both front ends run it: a settings value that says
// everything about the conversion, a session that holds the font and the
// tables measured with it, and functions from a picture (or a picture file) to
// the text. The window fills the settings from its controls, the command line
// from its arguments.

#include <optional>
#include <string>
#include <vector>

#include "filters/effect_step.h"
#include "platform/raster.h"
#include "platform/text_font.h"
#include "textart/cell_colors.h"
#include "textart/glyph_cache.h"
#include "textart/text_art_session.h"
#include "textart/text_conversion.h"

namespace glifora {

struct TextArtSettings {
    int palette = 0;  // cboPaletas: 0-3
    TextFont font;
    int luminosity = 0;  // sldLuminosidad: -100 to 100
    bool negative = false;
    // A fixed column count; without one the count follows sizePercent, the
    // screen's width and the cell, as sldTamaño does.
    std::optional<int> columns;
    int sizePercent = 50;
    int screenWidth = 1920;
    int twipsPerPixel = 15;
    Algorithm algorithm = Algorithm::Tonal;
    bool fill = false;                // chkRelleno, outline only
    std::vector<EffectStep> effects;  // applied to each picture first, in order
    bool cellColors = false;          // also each cell's mean colour (TextArtResult::colors)
};

// The session measured for the settings' font, palette and negative option,
// in the order of start-up: font, palette (scan and map), negative. With a
// cache that holds that state the session is restored and nothing is drawn;
// otherwise the measurement is kept there.
void PrepareSession(TextArtSession& session, const TextArtSettings& settings,
                    const GlyphCache* cache = nullptr);

// Columns for the settings and a cell of `cellWidth` pixels.
[[nodiscard]] int ColumnsFor(const TextArtSettings& settings, int cellWidth);

struct TextArtResult {
    std::string text;  // Windows-1252, rows joined by CR LF
    Raster resized;    // the picture shrunk to columns x rows (empty from a file)
    int columns = 0;
    int rows = 0;
    CellColors colors;  // with TextArtSettings::cellColors, columns x rows
    // The shrunk picture would pass the size limit: nothing was converted.
    bool tooLarge = false;
};

// The conversion of `picture` as it is (the settings' effects are not run).
[[nodiscard]] TextArtResult ConvertPicture(const Raster& picture, const TextArtSettings& settings,
                                           const TextArtSession& session);

// The settings' effects on `picture`, then its conversion.
[[nodiscard]] TextArtResult TextArtFromPicture(Raster picture, const TextArtSettings& settings,
                                               const TextArtSession& session,
                                               const EffectStepProgress& progress = {});

struct TextArtFileResult {
    std::string error;  // why the picture could not be read; empty on success
    TextArtResult art;
};

// The job for a picture file. Without effects only the sampled pixels are
// decoded; the text is the same as from the whole picture.
[[nodiscard]] TextArtFileResult TextArtFromFile(const std::string& path,
                                                const TextArtSettings& settings,
                                                const TextArtSession& session,
                                                const EffectStepProgress& progress = {});

}  // namespace glifora
