// The effect strength dialog on an 8000 x 8000 picture, driven through the
// functions the main window calls: the "Pixelizar" menu command
// (FilterEngine::ApplyEffect, which opens and loads the dialog), slider moves
// (each a preview step) and "Aplicar". For each it prints the wall time and
// the process's peak resident memory as a multiple of the picture's size,
// beside a copy of the picture (memcpy into fresh memory) timed in the same
// run.
//
// Two hosts: the window's WorkingPicture (source picture, displayed raster and
// undo copy, as the main window keeps them), and a host that keeps only the
// picture and its undo copy, retaken into the same memory.
//
// Usage: efect_config_bench [side]   (default 8000). Run it niced; under
// other load the times vary by a factor of two.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/working_picture_host.h"
#include "filters/filter_engine.h"
#include "filters/frm_efect_config.h"
#include "platform/raster.h"

namespace glifora {
namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// CPU time of the whole process (every thread) in milliseconds: steadier
// than wall time on a machine shared with other work.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Forgets the peak resident size so far (Linux: clear_refs 5).
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Peak resident size since the last reset, in bytes.
double PeakBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) * 1024.0;
    return 0;
}

Raster Photo(int side) {
    Raster r = Raster::Uninitialized(side, side);
    for (int y = 0; y < side; ++y) {
        uint8_t* p = r.Row(y);
        for (int x = 0; x < side; ++x, p += 4) {
            p[0] = static_cast<uint8_t>((x * 7 + y * 3) >> 5);
            p[1] = static_cast<uint8_t>(((x ^ y) >> 4) + ((x * 13) & 15));
            p[2] = static_cast<uint8_t>((int64_t{x} * y) >> 14);
            p[3] = 255;
        }
    }
    return r;
}

// The main window's side of the engine, over its WorkingPicture.
class WindowHost : public WorkingPictureHost {
  public:
    void Repaint() override {}
};

// The same picture without lending its undo buffer to menu runs: each run
// takes the snapshot by a copy and filters a fresh working copy, as menu runs
// did before the undo buffer was lent.
class CopyingWindowHost : public WindowHost {
  public:
    Raster LendUndoBuffer() override { return EffectHost::LendUndoBuffer(); }
    void TakeUndo(Raster /*snapshot*/) override {}
};

// Only the picture and its undo copy, the undo retaken into its own memory.
class ModelHost : public EffectHost {
  public:
    Raster shown;
    Raster undo;
    Raster& Displayed() override { return shown; }
    void SaveUndo() override {
        if (undo.Width() == shown.Width() && undo.Height() == shown.Height() && !shown.Empty())
            std::memcpy(undo.Bytes(), shown.Bytes(), shown.ByteCount());
        else
            undo = shown;
    }
    void Repaint() override {}
    void AssignPicture(const Raster& p) override {
        if (p.Width() == shown.Width() && p.Height() == shown.Height() && !p.Empty())
            std::memcpy(shown.Bytes(), p.Bytes(), p.ByteCount());
        else
            shown = p;
    }
};

void Measure(const char* title, EffectHost& host, Raster& picture, double pictureBytes) {
    FilterEngine engine(host);
    frmEfectConfig dialog(host, engine);
    engine.SetStrengthDialog(&dialog);
    NullProgress none;
    std::printf("%s\n", title);
    double cpu = 0;
    const auto report = [&](const char* what, double ms) {
        std::printf("  %-34s %6.0f ms wall %6.0f ms cpu   peak %.2f x picture\n", what, ms,
                    CpuMs() - cpu, PeakBytes() / pictureBytes);
    };
    QApplication::processEvents();
    ResetPeak();
    Clock::time_point t = Clock::now();
    cpu = CpuMs();
    (void)engine.ApplyEffect(15, picture, 3, none);  // "Pixelizar" from the menu
    QApplication::processEvents();                   // the dialog shows
    report(dialog.isVisible() ? "open the dialog (visible)" : "open the dialog (NOT visible)",
           Ms(t));
    for (int value : {3, 7, 12}) {
        ResetPeak();
        t = Clock::now();
        cpu = CpuMs();
        dialog.sldEfecto->setValue(value);
        QApplication::processEvents();
        report(("preview step, block " + std::to_string(value)).c_str(), Ms(t));
    }
    ResetPeak();
    t = Clock::now();
    cpu = CpuMs();
    dialog.cmdApply->click();
    QApplication::processEvents();
    report("Aplicar", Ms(t));
}

// Three runs of "Desenfocar" from the menu on a freshly loaded picture,
// handed over as the window hands it.
void MeasureMenuRuns(const char* title, EffectHost& host,
                     Raster& /*picture: made ready by the caller*/, double pictureBytes) {
    FilterEngine engine(host);
    NullProgress none;
    std::printf("%s\n", title);
    for (int run = 1; run <= 3; ++run) {
        ResetPeak();
        const Clock::time_point t = Clock::now();
        const double cpu = CpuMs();
        (void)engine.ApplyEffect(3, host.Displayed(), 0, none);
        std::printf(
            "  menu run %d, desenfocar               %6.0f ms wall %6.0f ms cpu   peak %.2f x "
            "picture\n",
            run, Ms(t), CpuMs() - cpu, PeakBytes() / pictureBytes);
    }
}

}  // namespace
}  // namespace glifora

int main(int argc, char** argv) {
    using namespace glifora;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int side = argc > 1 ? std::atoi(argv[1]) : 8000;
    const double pictureBytes = 4.0 * side * side;
    std::printf("picture %d x %d, %.0f MB in memory\n", side, side, pictureBytes / 1e6);
    {
        // On a virtual machine the first touch of memory the system has never
        // handed out costs many times more than later ones; touch as much as
        // the runs below use once, so every figure pays the same.
        std::vector<Raster> warm;
        for (int i = 0; i < 8; ++i) warm.push_back(Raster(side, side));
    }
    {
        const Raster photo = Photo(side);
        Clock::time_point t = Clock::now();
        const double cpu = CpuMs();
        const Raster copy = photo;
        std::printf("peer: one copy of the picture into fresh memory: %.0f ms wall %.0f ms cpu\n",
                    Ms(t), CpuMs() - cpu);
    }
    {
        WindowHost host;
        host.Picture().Load(Photo(side));
        Measure("host: the window's WorkingPicture (source, displayed, undo)", host,
                host.Picture().DisplayedForRun(), pictureBytes);
    }
    {
        ModelHost host;
        host.shown = Photo(side);
        host.undo = host.shown;
        Measure("host: picture and undo copy only", host, host.shown, pictureBytes);
    }
    {
        WindowHost host;
        host.Picture().Load(Photo(side));
        MeasureMenuRuns("menu runs, WorkingPicture lending its undo buffer", host,
                        host.Picture().DisplayedForRun(), pictureBytes);
    }
    {
        CopyingWindowHost host;
        host.Picture().Load(Photo(side));
        MeasureMenuRuns("menu runs, WorkingPicture with a copy per snapshot and run", host,
                        host.Picture().Displayed(), pictureBytes);
    }
    return 0;
}
