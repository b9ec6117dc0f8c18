// `glifora filter`: effects, flips and mirrors applied to a picture in the
// order given, the result written as BMP or PNG. The executable runs it for
// plain bitmaps and JPEG written as bitmaps; the full command set for the rest.

#include "cli/cli_filter.h"

#include <cstring>
#include <memory>
#include <optional>
#include <variant>

#include "cli/cli.h"
#include "cli/cli_basics.h"
#include "filters/effect_step.h"
#include "filters/flips_mirrors.h"
#include "platform/bmp_file.h"
#include "platform/picture_decoder.h"

namespace glifora::cli {
namespace {

using Step = std::variant<EffectStep, GeometricOp>;

std::vector<Step> StepsFromArgs(const ParsedArgs& args) {
    std::vector<Step> steps;
    for (const auto& [name, value] : args.ordered) {
        if (name == "--effect") {
            EffectStep step;
            std::string why;
            if (!ParseEffectStep(value, step, &why)) throw UsageError(why);
            steps.emplace_back(step);
        } else if (name == "--flip" || name == "--mirror") {
            GeometricOp op{};
            const bool known =
                name == "--flip" ? FlipFromName(value, op) : MirrorFromName(value, op);
            if (!known)
                throw UsageError(name == "--flip"
                                     ? "--flip admite h o v (se recibió «" + value + "»)"
                                     : "--mirror admite top, bottom, left o right (se recibió «" +
                                           value + "»)");
            steps.emplace_back(op);
        }
    }
    return steps;
}

void Apply(const Step& step, Raster& picture) {
    if (const auto* effect = std::get_if<EffectStep>(&step))
        return ApplyEffectSteps(picture, {*effect}, EffectBar());
    const GeometricOp op = std::get<GeometricOp>(step);
    if (op == GeometricOp::FlipHorizontal)
        FlipHorizontal(picture);
    else if (op == GeometricOp::FlipVertical)
        FlipVertical(picture);
    else
        Mirror(picture, op);
}

}  // namespace

int RunFilterWith(const ParsedArgs& args, const FilterIo& io) {
    const auto output = args.Get("-o");
    if (!output || output->empty()) throw UsageError("falta -o SALIDA.bmp|SALIDA.png");
    const std::optional<PictureFileFormat> format = PictureFormatForPath(*output);
    if (!format)
        throw UsageError("la salida debe terminar en .bmp o .png (se recibió «" + *output + "»)");
    const std::vector<Step> steps = StepsFromArgs(args);
    if (*format == PictureFileFormat::Png && io.savePng == nullptr) return kExitElsewhere;
    SeedFromArgs(args);

    std::optional<PictureLoad> load = io.decode(args.positionals[0]);
    if (!load) return kExitElsewhere;
    if (!load->Ok())
        return Fail("no se puede cargar la imagen «" + args.positionals[0] + "»: " + load->error);
    for (const Step& step : steps) Apply(step, load->raster);

    std::string why;
    const bool saved = *format == PictureFileFormat::Bmp
                           ? SavePlainBmpFile(load->raster, *output, &why)
                           : io.savePng(load->raster, *output, &why);
    if (!saved) return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
    return kExitOk;
}

int RunFilterDirectly(const ParsedArgs& args) {
    return RunFilterWith(args, {DecodePictureDirectly, nullptr});
}

}  // namespace glifora::cli
