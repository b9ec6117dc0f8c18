#include "app/page_write_progress.h"

#include <QProgressDialog>
#include <cstdio>

#include "platform/dialogs.h"

namespace glifora {

bool ConfirmPageSize(Dialogs& dialogs, int64_t maxBytes, int64_t askAbove) {
    if (maxBytes <= askAbove) return true;
    const int64_t mb = (maxBytes + 999999) / 1000000;
    char text[200];
    std::snprintf(text, sizeof text,
                  "La página puede ocupar hasta %lld MB.\n¿Desea escribirla de todos modos?",
                  static_cast<long long>(mb));
    return dialogs.AskYesNo(text, "Página muy grande");
}

PageWriteCancel::PageWriteCancel(QWidget* parent)
    : box_(
          std::make_unique<QProgressDialog>("Escribiendo la página...", "Cancelar", 0, 0, parent)) {
    box_->setWindowTitle("Glifora");
    box_->setWindowModality(Qt::WindowModal);
    box_->setAutoReset(false);
    box_->setAutoClose(false);
    box_->setMinimumDuration(500);
}

PageWriteCancel::~PageWriteCancel() = default;

bool PageWriteCancel::Cancelled() const {
    return box_->wasCanceled();
}

}  // namespace glifora
