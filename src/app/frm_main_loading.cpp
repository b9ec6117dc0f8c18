// Loading a picture: the file is decoded on a worker thread while the window
// keeps painting (the closed file dialog's area, a busy bar); the picture is
// swapped in on the window's thread.
#include <QApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <thread>

#include "animation/gif_frames.h"
#include "app/frm_main.h"
#include "platform/picture_decoder.h"

namespace glifora {

namespace {

// Decodes `path` on a worker thread. Meanwhile the window repaints, shows a
// busy cursor and `bar` as a busy bar, and ignores clicks and keys, so no
// command can run on the picture that is being replaced.
PictureLoad DecodeWhileWindowPaints(const std::string& path, QProgressBar& bar) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int minimum = bar.minimum();
    const int maximum = bar.maximum();
    const bool wasHidden = bar.isHidden();
    bar.setRange(0, 0);
    bar.show();
    PictureLoad load;
    QEventLoop loop;
    std::thread worker([&] {
        load = DecodePicture(path);
        // Queued: delivered once the loop runs, even if decoding ends first.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    bar.setRange(minimum, maximum);
    bar.setHidden(wasHidden);
    QApplication::restoreOverrideCursor();
    return load;
}

}  // namespace

bool frmMain::LoadPictureFile(const std::string& path) {
    PictureLoad load = DecodeWhileWindowPaints(path, *prgBar1);
    if (!load.Ok()) {
        dialogs_.ShowMessage("No se ha podido cargar la imagen", "Error en la carga",
                             MessageIcon::Stop);
        return false;
    }
    picture_.Load(std::move(load.raster));
    RepaintPicture();
    const QString upper = QString::fromStdString(path).right(3).toUpper();
    if (upper == "GIF") {
        // The picture itself is loaded; a GIF whose frames cannot be split
        // simply offers no animation.
        (void)SplitGifFrames(path, workFolder_, frames_, *animControls_);
    }
    UpdateScrollBars();
    return true;
}

}  // namespace glifora
