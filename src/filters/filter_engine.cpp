#include "filters/filter_engine.h"

#include <cstring>

namespace glifora {
namespace {

void Run(const Effect& effect, Raster& work, const Raster* source, int parameter,
         FilterProgress& progress) {
    if (!effect.filter) return;
    FilterPixels px;
    px.work = work.Bytes();
    px.source = source ? source->Bytes() : work.Bytes();
    px.width = work.Width();
    px.height = work.Height();
    if (!work.Empty()) effect.filter(px, parameter, progress);
    progress.SetValue(100);
}

}  // namespace

void RunEffect(const Effect& effect, Raster& picture, int parameter, FilterProgress& progress) {
    if (effect.needsSourceCopy) {
        const Raster source = picture;
        Run(effect, picture, &source, parameter, progress);
    } else {
        Run(effect, picture, nullptr, parameter, progress);
    }
}

FilterEngine::FilterEngine(EffectHost& host) : host_(host) {
    InitEffectSettings();
}

EffectOutcome FilterEngine::ApplyEffect(int code, Raster& picture, int parameter,
                                        FilterProgress& progress) {
    if (busy_) return EffectOutcome::Refused;
    const bool inRange = code >= kFirstEffect && code <= kLastEffect;
    if (inRange && dialog_ && EffectSettings()[static_cast<size_t>(code)].Configurable) {
        dialog_->Open();
        if (dialog_->CurrentEffect() != code) {
            dialog_->CargarEfecto(code);
            return EffectOutcome::DialogLoaded;
        }
    }
    busy_ = true;
    // WorkPixels and SourcePixels are copies: the picture itself changes only
    // when the result is written back, so the repaints of the yields show it
    // whole, and a picture replaced during the run (a load, an undo) is never
    // written into.
    const int width = picture.Width(), height = picture.Height();
    const uint8_t* bytes = picture.Bytes();
    Raster work = picture;
    progress.SetVisible(true);
    host_.SaveUndo();
    if (const Effect* effect = FindEffect(code)) {
        if (effect->needsSourceCopy) {
            const Raster source = work;
            Run(*effect, work, &source, parameter, progress);
        } else {
            Run(*effect, work, nullptr, parameter, progress);
        }
    }
    progress.SetVisible(false);
    if (picture.Bytes() == bytes && picture.Width() == width && picture.Height() == height &&
        !work.Empty())
        std::memcpy(picture.Bytes(), work.Bytes(), work.ByteCount());
    busy_ = false;
    host_.Repaint();
    return EffectOutcome::Filtered;
}

}  // namespace glifora
