#include "filters/filter_engine.h"

#include <cstring>
#include <thread>
#include <utility>

namespace glifora {
namespace {

// Below this many pixels a run is over before threads would pay off.
constexpr size_t kThreadedFrom = size_t{1} << 16;
constexpr int kMostThreads = 16;

void Run(const Effect& effect, Raster& work, int parameter, FilterProgress& progress, int threads) {
    if (!effect.filter) return;
    FilterPixels px;
    px.work = work.Bytes();
    px.width = work.Width();
    px.height = work.Height();
    px.threads = FilterThreads(threads, px.PixelCount());
    if (!work.Empty()) effect.filter(px, effect.EffectiveParameter(parameter), progress);
    progress.SetValue(100);
}

}  // namespace

int FilterThreads(int requested, size_t pixels) {
    if (requested > 0) return std::min(requested, kMostThreads);
    if (pixels < kThreadedFrom) return 1;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : std::min(static_cast<int>(cores), kMostThreads);
}

void RunEffect(const Effect& effect, Raster& picture, int parameter, FilterProgress& progress,
               int threads) {
    Run(effect, picture, parameter, progress, threads);
}

FilterEngine::FilterEngine(EffectHost& host) : host_(host) {}

EffectOutcome FilterEngine::ApplyEffect(int code, Raster& picture, int parameter,
                                        FilterProgress& progress) {
    if (busy_) return EffectOutcome::Refused;
    const Effect* effect = FindEffect(code);
    if (effect && effect->configurable && dialog_) {
        dialog_->Open();
        if (dialog_->CurrentEffect() != code) {
            dialog_->CargarEfecto(code);
            return EffectOutcome::DialogLoaded;
        }
    }
    busy_ = true;
    progress.SetVisible(true);
    if (&picture != &host_.Shown()) {  // Shown: nothing is set apart for reading
        host_.SaveUndo();
        if (effect) Run(*effect, picture, parameter, progress, threads_);
    } else {
        // The working copy is filtered while the picture itself stays whole
        // for the repaints of the yields; a picture replaced during the run
        // (a load) is never written into, nor is its undo copy taken.
        const int width = picture.Width(), height = picture.Height();
        const uint8_t* bytes = picture.Bytes();
        Raster work = host_.LendUndoBuffer();
        if (effect && effect->filter && !picture.Empty()) {
            if (work.Width() == width && work.Height() == height) {
                std::memcpy(work.Bytes(), bytes, picture.ByteCount());
            } else {
                work = Raster();  // freed before the new copy is allocated
                work = picture;
            }
            Run(*effect, work, parameter, progress, threads_);
            if (picture.Bytes() == bytes && picture.Width() == width &&
                picture.Height() == height) {
                std::swap(picture, work);
                host_.TakeUndo(std::move(work));
            }
        } else if (effect) {
            Run(*effect, picture, parameter, progress, threads_);  // only the bar
        }
    }
    progress.SetVisible(false);
    busy_ = false;
    host_.Repaint();
    return EffectOutcome::Filtered;
}

}  // namespace glifora
