#pragma once
// Writing a big page from the window: asked for first when it may be large,
// and stoppable while it is written.

#include <cstdint>
#include <memory>

class QProgressDialog;
class QWidget;

namespace glifora {

class Dialogs;

// Pages that may pass this size are written only when the user agrees.
inline constexpr int64_t kAskAbovePageBytes = int64_t{100} * 1000 * 1000;

// True when a page of at most `maxBytes` may be written: small pages without
// a question, larger ones after a Yes to a question giving the size in MB.
[[nodiscard]] bool ConfirmPageSize(Dialogs& dialogs, int64_t maxBytes,
                                   int64_t askAbove = kAskAbovePageBytes);

// A "Cancelar" box for the length of one page write. It appears only when
// the write lasts (half a second); the window's progress yields let its click
// through, and the page's sink stops once Cancelled().
class PageWriteCancel {
  public:
    explicit PageWriteCancel(QWidget* parent);
    ~PageWriteCancel();
    PageWriteCancel(const PageWriteCancel&) = delete;
    PageWriteCancel& operator=(const PageWriteCancel&) = delete;
    [[nodiscard]] bool Cancelled() const;
    [[nodiscard]] QProgressDialog& Box() { return *box_; }

  private:
    std::unique_ptr<QProgressDialog> box_;
};

}  // namespace glifora
