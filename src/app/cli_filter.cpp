// `glifora filter`: effects, flips and mirrors applied to a picture in the
// order given, the result written as BMP or PNG.

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <cstring>
#include <memory>
#include <variant>

#include "app/cli.h"
#include "app/cli_common.h"
#include "app/cli_effect_step.h"
#include "filters/flips_mirrors.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "platform/qt_raster.h"

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
    if (const auto* effect = std::get_if<EffectStep>(&step)) return RunEffectStep(*effect, picture);
    const GeometricOp op = std::get<GeometricOp>(step);
    if (op == GeometricOp::FlipHorizontal)
        FlipHorizontal(picture);
    else if (op == GeometricOp::FlipVertical)
        FlipVertical(picture);
    else
        Mirror(picture, op);
}

struct Encoded {
    std::unique_ptr<char[]> bytes;  // not zero-filled: every byte is written
    size_t size = 0;
    QByteArray png;
    [[nodiscard]] std::string_view View() const {
        return bytes ? std::string_view(bytes.get(), size)
                     : std::string_view(png.constData(), static_cast<size_t>(png.size()));
    }
};

void PutLe(char* out, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A 24-bit uncompressed bitmap, rows bottom-up: what every reader accepts.
bool EncodeBmp(const Raster& picture, Encoded& encoded) {
    const uint64_t rowBytes = (static_cast<uint64_t>(picture.Width()) * 3 + 3) / 4 * 4;
    const uint64_t total = 54 + rowBytes * static_cast<uint64_t>(picture.Height());
    if (total > 0x7FFFFFFF) return false;
    encoded.size = static_cast<size_t>(total);
    encoded.bytes = std::make_unique_for_overwrite<char[]>(encoded.size);
    char* out = encoded.bytes.get();
    std::memset(out, 0, 54);
    out[0] = 'B';
    out[1] = 'M';
    PutLe(out, 2, static_cast<uint32_t>(total), 4);
    PutLe(out, 10, 54, 4);
    PutLe(out, 14, 40, 4);
    PutLe(out, 18, static_cast<uint32_t>(picture.Width()), 4);
    PutLe(out, 22, static_cast<uint32_t>(picture.Height()), 4);
    PutLe(out, 26, 1, 2);
    PutLe(out, 28, 24, 2);
    PutLe(out, 34, static_cast<uint32_t>(rowBytes * picture.Height()), 4);
    PutLe(out, 38, 3780, 4);  // 96 dots per inch
    PutLe(out, 42, 3780, 4);
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* from = picture.Row(y);
        auto* to = reinterpret_cast<uint8_t*>(out) + 54 +
                   rowBytes * static_cast<uint64_t>(picture.Height() - 1 - y);
        const int w = picture.Width();
        for (int x = 0; x < w; ++x, from += 4, to += 3) std::memcpy(to, from, 3);
        for (uint64_t pad = static_cast<uint64_t>(w) * 3; pad < rowBytes; ++pad) *to++ = 0;
    }
    return true;
}

bool EncodePng(const Raster& picture, Encoded& encoded) {
    QBuffer buffer(&encoded.png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    return writer.write(ImageView(picture));
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    for (size_t i = 0; i < suffix.size(); ++i) {
        char c = text[text.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

}  // namespace

int RunFilter(const ParsedArgs& args) {
    const auto output = args.Get("-o");
    if (!output || output->empty()) throw UsageError("falta -o SALIDA.bmp|SALIDA.png");
    const bool png = EndsWith(*output, ".png");
    if (!png && !EndsWith(*output, ".bmp"))
        throw UsageError("la salida debe terminar en .bmp o .png (se recibió «" + *output + "»)");
    const std::vector<Step> steps = StepsFromArgs(args);
    SeedFromArgs(args);

    PictureLoad load = DecodePicture(args.positionals[0]);
    if (!load.Ok())
        return Fail("no se puede cargar la imagen «" + args.positionals[0] + "»: " + load.error);
    for (const Step& step : steps) Apply(step, load.raster);

    Encoded encoded;
    if (!(png ? EncodePng(load.raster, encoded) : EncodeBmp(load.raster, encoded)))
        return Fail("no se puede codificar la imagen para «" + *output + "»");
    std::string why;
    if (!WriteFileAtomically(*output, encoded.View(), &why))
        return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
    return kExitOk;
}

}  // namespace glifora::cli
