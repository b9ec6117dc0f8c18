#pragma once
// The real dialogs: QFileDialog, QColorDialog, QFontDialog and QMessageBox,
// owned by the main window.

#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace glifora {

class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    std::string ShowOpenDialog(const std::string& filter, const std::string& title,
                               const std::string& initialFolder) override;
    std::string ShowSaveDialog(const std::string& filter, const std::string& title,
                               const std::string& initialFolder,
                               const std::string& defaultExtension) override;
    ColorValue ShowColorDialog() override;
    std::string BrowseForFolder() override;
    FontChoice ChooseFont(const FontRequest& request) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace glifora
