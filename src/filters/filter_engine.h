#pragma once
// The filter engine: runs one effect of the catalogue over a picture, with
// the undo snapshot, progress reporting and the repaint of the working
// picture, and hands the configurable effects to the strength dialog.
//
// The engine knows the main window only through EffectHost and the dialog
// only through StrengthDialog, so it is tested with fakes of both.

#include "filters/effect_catalogue.h"
#include "filters/filter_pixels.h"
#include "platform/raster.h"

namespace glifora {

// What the engine and the geometric commands need of the main window.
class EffectHost {
  public:
    virtual ~EffectHost() = default;
    // The working picture's displayed raster (`picMain`).
    [[nodiscard]] virtual Raster& Displayed() = 0;
    // The same raster, to be read only: a host may hand it out for reading
    // more cheaply than for writing.
    [[nodiscard]] virtual const Raster& Shown() { return Displayed(); }
    // Takes the one-level undo snapshot of the working picture.
    virtual void SaveUndo() = 0;
    // The snapshot of a filter run on the displayed raster: as SaveUndo, and
    // the host may hand out a buffer it no longer needs (its former undo
    // copy) for the run's result; the displayed raster stays unwritten until
    // TakeUndo. Empty when the host has none.
    [[nodiscard]] virtual Raster LendUndoBuffer() {
        SaveUndo();
        return Raster();
    }
    // The end of that run, unless the displayed raster was replaced
    // meanwhile: the displayed raster now holds the result in the lent (or a
    // new) buffer, and `snapshot` the picture as it was, for the undo copy.
    virtual void TakeUndo(Raster /*snapshot*/) {}
    // Repaints the working picture from its displayed raster.
    virtual void Repaint() = 0;
    // Assigns a new source picture to the working picture (the strength
    // dialog's "Aplicar").
    virtual void AssignPicture(const Raster& picture) = 0;
};

// The engine's view of the effect strength dialog (`frmEfectConfig`).
class StrengthDialog {
  public:
    virtual ~StrengthDialog() = default;
    // Loads the dialog if it is not loaded (which copies the working picture
    // into it) and makes it visible, without waiting.
    virtual void Open() = 0;
    // The code the dialog is loaded with; 0 when it is not loaded.
    [[nodiscard]] virtual int CurrentEffect() const = 0;
    virtual void CargarEfecto(int Efecto) = 0;
};

enum class EffectOutcome {
    Refused,       // a filter was already running: nothing happened
    DialogLoaded,  // a configurable effect: the dialog now shows it
    Filtered,      // the picture was filtered (or the code has no filter)
};

// Threads for a filter run: `requested` when positive, else every core for a
// picture of `pixels` pixels large enough to gain from it, else one.
[[nodiscard]] int FilterThreads(int requested, size_t pixels);

// Runs the filter of `effect` on `picture` in place, with no undo, dialog or
// repaint: the command line's path, and the engine's own core. `threads` as
// for FilterThreads; the result is the same for any count. Progress comes on
// the calling thread only.
void RunEffect(const Effect& effect, Raster& picture, int parameter, FilterProgress& progress,
               int threads = 0);

class FilterEngine {
  public:
    explicit FilterEngine(EffectHost& host);

    // Set once the dialog exists; without one, configurable effects are
    // filtered directly with the parameter given.
    void SetStrengthDialog(StrengthDialog* dialog) { dialog_ = dialog; }

    // Filters `picture` (the working picture's displayed raster, or the
    // dialog's copy) with effect `code` and `parameter`. Refused while another
    // run is going on (its yields let menu clicks and slider moves through).
    //
    // The displayed raster is filtered in a working copy, which takes its
    // place at the end (if it is still the same picture), so the repaints of
    // the yields show it whole; the copy lives in the buffer the host lends,
    // and the raster as it was becomes the undo copy. Any other picture is
    // the caller's own copy and is filtered in place: the caller must neither
    // replace nor read it until the call returns.
    EffectOutcome ApplyEffect(int code, Raster& picture, int parameter, FilterProgress& progress);

    [[nodiscard]] bool FilterBusy() const { return busy_; }
    // The threads of every run (0: as FilterThreads chooses).
    void SetThreads(int threads) { threads_ = threads; }

  private:
    EffectHost& host_;
    StrengthDialog* dialog_ = nullptr;
    bool busy_ = false;
    int threads_ = 0;
};

}  // namespace glifora
