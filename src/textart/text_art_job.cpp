#include "textart/text_art_job.h"

#include "platform/picture_decoder.h"
#include "platform/shrink.h"
#include "textart/detail_picture.h"
#include "textart/shrunk_color_decode.h"

namespace glifora {
namespace {

TextArtInputs InputsFor(const TextArtSettings& s, const TextArtSession& session, int columns) {
    TextArtInputs in;
    in.columns = columns;
    in.cellWidth = session.Cell().width;
    in.cellHeight = session.Cell().height;
    in.luminosity = s.luminosity;
    in.levelMap = &session.Tables().LevelMap;
    in.fill = s.fill;
    return in;
}

DetailInputs DetailInputsFor(const TextArtSettings& s, const TextArtSession& session, int columns,
                             int rows) {
    DetailInputs in;
    in.columns = columns;
    in.rows = rows;
    in.luminosity = s.luminosity;
    in.negative = session.Negative();
    const int palette = session.Palette() >= 0 ? session.Palette() : 0;
    in.first = kPalettes[palette].first;
    in.last = kPalettes[palette].last;
    in.shapes = &session.Tables().Shapes;
    return in;
}

}  // namespace

void PrepareSession(TextArtSession& session, const TextArtSettings& settings,
                    const GlyphCache* cache) {
    const GlyphCacheRequest request{settings.font, settings.palette, settings.negative};
    if (cache != nullptr)
        if (std::optional<MeasuredSession> kept = cache->Load(request)) {
            session.Restore(settings.font, std::move(*kept));
            return;
        }
    session.ApplyFont(settings.font);
    session.SelectPalette(settings.palette);
    if (settings.negative) session.SetNegative(true);
    if (cache != nullptr) cache->Store(request, session.Measured(), session.QtFont());
}

int ColumnsFor(const TextArtSettings& settings, int cellWidth) {
    if (settings.columns) return *settings.columns;
    return ComputeColumnCount(settings.sizePercent, settings.screenWidth, cellWidth,
                              settings.twipsPerPixel);
}

TextArtResult ConvertPicture(const Raster& picture, const TextArtSettings& settings,
                             const TextArtSession& session) {
    TextArtResult art;
    const TextExtent cell = session.Cell();
    art.columns = ColumnsFor(settings, cell.width);
    art.rows =
        ComputeRowCount(picture.Width(), picture.Height(), art.columns, cell.width, cell.height);
    const bool detail = settings.algorithm == Algorithm::Detail;
    if (!TextArtSizeAllowed(art.columns, art.rows) ||
        (detail && !DetailSizeAllowed(art.columns, art.rows, cell.width, cell.height))) {
        art.tooLarge = true;
        return art;
    }
    art.resized = ShrinkNearest(picture, art.columns, art.rows);
    if (settings.cellColors) art.colors = MeanCellColors(picture, art.columns, art.rows);
    if (detail) {
        if (art.rows > 0)
            art.text = ConvertDetail(LumaOf(picture),
                                     DetailInputsFor(settings, session, art.columns, art.rows));
        return art;
    }
    art.text =
        ConvertResized(art.resized, InputsFor(settings, session, art.columns), settings.algorithm);
    return art;
}

TextArtResult TextArtFromPicture(Raster picture, const TextArtSettings& settings,
                                 const TextArtSession& session,
                                 const EffectStepProgress& progress) {
    ApplyEffectSteps(picture, settings.effects, progress);
    return ConvertPicture(picture, settings, session);
}

TextArtFileResult TextArtFromFile(const std::string& path, const TextArtSettings& settings,
                                  const TextArtSession& session,
                                  const EffectStepProgress& progress) {
    TextArtFileResult result;
    if (!settings.effects.empty()) {
        PictureLoad load = DecodePicture(path);
        if (!load.Ok()) {
            result.error = load.error;
            return result;
        }
        result.art = TextArtFromPicture(std::move(load.raster), settings, session, progress);
        return result;
    }
    const TextExtent cell = session.Cell();
    const int columns = ColumnsFor(settings, cell.width);
    if (settings.algorithm == Algorithm::Detail) {
        // Decoded at the resolution the shapes are matched at, not one pixel a cell.
        const DetailInputs in = DetailInputsFor(settings, session, columns, 0);
        TextArtResult& art = result.art;
        art.columns = columns;
        if (!DetailTextArtFromFile(path, in, &art.text, &result.error, &art.rows)) {
            if (result.error.empty()) art.tooLarge = true;
            return result;
        }
        // The means need every pixel at full size: a second, whole decode.
        if (settings.cellColors) {
            ShrunkColorLoad coloured = DecodeShrunkWithColors(path, [&](int, int) {
                return ShrinkTarget{columns, art.rows};
            });
            if (!coloured.shrunk.Ok()) result.error = coloured.shrunk.error;
            art.colors = std::move(coloured.colors);
        }
        return result;
    }
    // The decoder itself refuses a shrunk size past the limit.
    const auto target = [&](int w, int h) {
        return ShrinkTarget{columns, ComputeRowCount(w, h, columns, cell.width, cell.height)};
    };
    ShrunkColorLoad coloured;
    if (settings.cellColors) coloured = DecodeShrunkWithColors(path, target);
    PictureLoad load =
        settings.cellColors ? std::move(coloured.shrunk) : DecodePictureShrunk(path, target);
    if (!load.Ok()) {
        result.error = load.error;
        return result;
    }
    TextArtResult& art = result.art;
    art.columns = columns;
    art.rows = load.raster.Height();
    art.colors = std::move(coloured.colors);
    art.text =
        ConvertResized(load.raster, InputsFor(settings, session, columns), settings.algorithm);
    return result;
}

}  // namespace glifora
