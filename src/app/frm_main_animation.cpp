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
#include "app/page_write_progress.h"
#include "app/web_art_panel.h"
#include "app/widgets.h"
#include "platform/ansi.h"
#include "platform/file_io.h"
#include "platform/shell.h"
#include "webart/page_estimate.h"

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

std::string frmMain::SavePage(const char* title,
                              const std::function<bool(const ByteSink&)>& write) {
    const std::string path = dialogs_.ShowSaveDialog("Archivo HTML|*.html", title, "", "html");
    if (path.empty()) return {};
    AtomicFileWriter file(path);
    PageWriteCancel cancel(this);
    (void)write([&](std::string_view piece) { return !cancel.Cancelled() && file.Append(piece); });
    HideProgress();
    if (cancel.Cancelled()) return {};  // the file is left unwritten
    if (!file.Commit()) {
        dialogs_.ShowMessage(SaveFailedMessage(path), kProgramName, MessageIcon::Warning);
        return {};
    }
    return path;
}

WebArtSettings frmMain::WebSettings() const {
    return webPanel_->Settings();
}

void frmMain::PlayWebArt() {
    const WebArtSettings settings = WebSettings();
    // The palette is drawn before the file is asked for, as the page's first step.
    PrepareWebPalette(settings, web_);
    if (!ConfirmPageSize(
            dialogs_, EstimateWebArtPage(picture_.Width(), picture_.Height(), settings).maxBytes))
        return;
    const std::string path = SavePage("Guardar el WebArt", [&](const ByteSink& sink) {
        return WriteWebArtPage(std::as_const(picture_).Displayed(), settings, web_, sink,
                               [this](int done, int total) { ReportProgress(done, total); });
    });
    if (!path.empty() && settings.preview) ShellOpen(path);
}

void frmMain::WriteAnimation(const AnimArtRequest& request, bool preview) {
    if (AnimArtFramePaths(request).empty()) {
        // A GIF whose selection is empty ("Ninguno") would give a page with no frame.
        if (request.fromGif && !ListPictureFiles(request.folder).empty())
            dialogs_.ShowMessage("No hay ningún fotograma seleccionado.", kProgramName,
                                 MessageIcon::Information);
        return;
    }
    WindowFrameMaker maker(*this);
    AnimArtRequest named = request;
    named.face = MeasuredFace(session_.QtFont());  // the frames' font, as measured
    const std::string path = SavePage("Guardar el AnimArt", [&](const ByteSink& sink) {
        return WriteAnimArtPage(named, maker, sink,
                                [this](int done, int total) { ReportProgress(done, total); })
            .written;
    });
    if (!path.empty() && preview) ShellOpen(path);
}

void frmMain::PlayAnimation() {
    AnimArtRequest request;
    request.folder = workFolder_.Path();
    request.fromGif = true;
    request.selection = frames_.selection;
    WriteAnimation(request, chkAsciiPrev->isChecked());
}

void frmMain::AnimArtFromDirectory() {
    if (!dialogs_.AskYesNo(AnimArtFolderQuestion(), "")) return;
    const std::string folder = dialogs_.BrowseForFolder();
    if (folder.empty()) return;
    WriteAnimation({folder, false, {}, {}}, chkAsciiPrev->isChecked());
}

void frmMain::ShowFrameSelection() {
    frmGIFAvance dialog(static_cast<int>(frames_.lstGIFFrames.size()), frames_.selection,
                        workFolder_.Path(), this);
    dialog.exec();
}

}  // namespace glifora
