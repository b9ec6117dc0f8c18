// Web art and animation from the main window: the WebArt frame's settings,
// the frames of the GIF loaded last, and the pages written from them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QToolBar>

#include "animation/animart_writer.h"
#include "animation/frm_gif_avance.h"
#include "app/frm_main.h"
#include "app/widgets.h"
#include "platform/ansi.h"

namespace glifora {
namespace {

// The frames of an animation go through the working picture and its
// conversion, as if each had been loaded and converted in turn.
class WindowFrameMaker final : public FrameTextMaker {
  public:
    explicit WindowFrameMaker(frmMain& window) : window_(window) {}
    void LoadFrame(Raster picture) override {
        window_.Picture().Assign(std::move(picture));
        window_.RepaintPicture();
    }
    std::string ConvertFrame() override {
        // The full-screen preview would open for every frame; the page is
        // previewed once it is written instead.
        const bool preview = window_.chkAsciiPrev->isChecked();
        window_.chkAsciiPrev->setChecked(false);
        window_.GenerateTextArt(Algorithm::Tonal);
        window_.chkAsciiPrev->setChecked(preview);
        return window_.TextArt();
    }

  private:
    frmMain& window_;
};

}  // namespace

void frmMain::ReportProgress(int done, int total) {
    if (total <= 0) return;
    // The same bar and the same throttled yield as the filters.
    if (prgBar1->isHidden()) filterProgress_.SetVisible(true);
    filterProgress_.SetValue(static_cast<int>(static_cast<int64_t>(done) * 100 / total));
}

void frmMain::HideProgress() {
    filterProgress_.SetVisible(false);
}

void frmMain::PlayWebArt() {
    WebArtSettings settings;
    settings.quality = chkWebCalidad->checkState() != Qt::Unchecked;
    settings.palette = cboPaletaWeb->currentIndex();
    settings.userText = UnicodeToAnsi(txtPaletaWeb->text());
    settings.size = sldWTamaño->value();
    auto pressed = [this](const char* key) {
        QAction* a = TBBordesWeb->findChild<QAction*>(key);
        return a && a->isChecked();
    };
    settings.borders.top = pressed("WebBArriba");
    settings.borders.bottom = pressed("WebBAbajo");
    settings.borders.left = pressed("WebBIzquierda");
    settings.borders.right = pressed("WebBDerecha");
    settings.preview = chkWebArtPrev->isChecked();
    (void)WriteWebArt(picture_.Displayed(), settings, web_, dialogs_,
                      [this](int done, int total) { ReportProgress(done, total); });
    HideProgress();
}

void frmMain::PlayAnimation() {
    WindowFrameMaker maker(*this);
    AnimArtRequest request;
    request.folder = workFolder_.Path();
    request.fromGif = true;
    request.selection = frames_.selection;
    request.preview = chkAsciiPrev->isChecked();
    (void)WriteAnimArt(request, maker, dialogs_,
                       [this](int done, int total) { ReportProgress(done, total); });
    HideProgress();
}

void frmMain::AnimArtFromDirectory() {
    WindowFrameMaker maker(*this);
    (void)AnimArtFromFolder(maker, dialogs_, chkAsciiPrev->isChecked(),
                            [this](int done, int total) { ReportProgress(done, total); });
    HideProgress();
}

void frmMain::ShowFrameSelection() {
    frmGIFAvance dialog(static_cast<int>(frames_.lstGIFFrames.size()), frames_.selection,
                        workFolder_.Path(), this);
    dialog.exec();
}

}  // namespace glifora
