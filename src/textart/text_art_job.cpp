#include "textart/text_art_job.h"

#include "platform/picture_decoder.h"
#include "platform/shrink.h"
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

}  // namespace

void PrepareSession(TextArtSession& session, const TextArtSettings& settings) {
    session.ApplyFont(settings.font);
    session.SelectPalette(settings.palette);
    if (settings.negative) session.SetNegative(true);
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
    if (!TextArtSizeAllowed(art.columns, art.rows)) {
        art.tooLarge = true;
        return art;
    }
    art.resized = ShrinkNearest(picture, art.columns, art.rows);
    if (settings.cellColors) art.colors = MeanCellColors(picture, art.columns, art.rows);
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
