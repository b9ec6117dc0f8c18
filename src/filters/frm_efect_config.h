#pragma once
// The effect strength dialog "Parámetros del filtro": a slider for one
// configurable effect, a scaled preview of the effect on a full-size copy of
// the working picture, "Aplicar" and "Cancelar". Modeless. The filter engine
// opens and loads it (StrengthDialog); it filters its own copy through the
// engine and hands the result to the working picture through EffectHost.
//
// Unloading hides the dialog, clears CurrentEffect and drops the copy; the
// object itself stays, because a filter run on its copy may still be on the
// stack (the engine yields to the event loop) when "Cancelar" is pressed.
//
// The engine filters the copy in place, so while a preview runs the copy is
// neither replaced nor handed over: a slider move waits for the run and the
// last one is previewed after it, "Aplicar" applies when the run ends, and
// the copy of an unloaded dialog is dropped then.

#include <QDialog>
#include <memory>
#include <optional>

#include "filters/filter_engine.h"
#include "platform/raster.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace glifora {

class ThrottledProgress;

class frmEfectConfig : public QDialog, public StrengthDialog {
    Q_OBJECT
  public:
    static constexpr int kPreviewBox = 155;

    frmEfectConfig(EffectHost& host, FilterEngine& engine, QWidget* parent = nullptr);
    ~frmEfectConfig() override;

    // StrengthDialog
    void Open() override;
    [[nodiscard]] int CurrentEffect() const override { return currentEffect_; }
    void CargarEfecto(int Efecto) override;

    [[nodiscard]] bool Loaded() const { return loaded_; }
    // The full-size copy the dialog filters (`Picture1`'s displayed raster).
    [[nodiscard]] const Raster& Picture1Raster() const { return picture1_; }
    // Image1's size in pixels and whether it stretches the picture.
    [[nodiscard]] double PreviewWidth() const { return imageWidth_; }
    [[nodiscard]] double PreviewHeight() const { return imageHeight_; }
    [[nodiscard]] bool PreviewStretched() const { return stretch_; }
    // Replaces the dialog's progress bar for its preview runs (tests).
    void SetProgressForTest(FilterProgress* progress) { testProgress_ = progress; }

    QSlider* sldEfecto = nullptr;
    QLabel* lblRango = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QWidget* Picture1 = nullptr;
    QProgressBar* prgBar1 = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape unloads like "Cancelar"

  private:
    void Load();
    void Unload();
    void FitPreview(const Raster& picture);
    void OnSliderChanged(int value);
    void Apply();
    void TakeWorkingCopy();
    void ShowPreview(const Raster& picture);

    EffectHost& host_;
    FilterEngine& engine_;
    std::unique_ptr<ThrottledProgress> progress_;
    FilterProgress* testProgress_ = nullptr;
    Raster picture1_;
    int currentEffect_ = 0;
    bool loaded_ = false;
    bool previewing_ = false;          // the engine is filtering picture1_
    std::optional<int> pendingValue_;  // a slider value moved to during a preview
    bool applyPending_ = false;        // "Aplicar" pressed during a preview
    double imageWidth_ = kPreviewBox;
    double imageHeight_ = kPreviewBox;
    bool stretch_ = false;
};

}  // namespace glifora
