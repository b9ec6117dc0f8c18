#pragma once
// The status panel: the four panels of SBMain (font, size, progress, mode)
// and the progress bar drawn over them. It only shows what the window tells
// it; nothing is read back from it.

#include <QWidget>
#include <string>

class QLabel;
class QProgressBar;
class QStatusBar;

namespace glifora {

class StatusPanel : public QWidget {
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent);

    void ShowFont(const std::string& face);  // UTF-8 face name
    void ShowSize(int points);
    void ShowMode(bool ascii);
    // What panel `key` (its object name) shows, for the tests.
    [[nodiscard]] QString Text(const QString& key) const;

    QStatusBar* SBMain = nullptr;
    QProgressBar* prgBar1 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* panels_[4] = {nullptr, nullptr, nullptr, nullptr};
};

}  // namespace glifora
