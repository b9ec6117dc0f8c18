#pragma once
// frmGIFAvance, "Propiedades avanzadas del AnimArt": the frames of the GIF
// loaded last with a check box each, and a preview of the frame clicked last.
// Closing it, whatever closes it, stores the ticked frames as the selection,
// in list order.

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace glifora {

class frmGIFAvance : public QDialog {
    Q_OBJECT
  public:
    // `frameCount`: the frame list's count; `selection`: the frame selection,
    // read now and rewritten on closing; `workFolder`: where the frame files are.
    frmGIFAvance(int frameCount, std::vector<std::string>& selection, std::string workFolder,
                 QWidget* parent = nullptr);

    QTreeWidget* lstwGIF;
    QPushButton* cmdAll;
    QPushButton* cmdNome;
    QPushButton* cmdAceptar;
    QLabel* imgGIFPreview;

    void done(int result) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Shows the frame file named `itemText` + ".bmp"; one that cannot be
    // decoded leaves the preview as it was.
    void ShowFrame(const QString& itemText);
    void CheckAll(bool checked);
    void FitListToItems();

    std::vector<std::string>& selection_;
    std::string workFolder_;
    bool stored_ = false;
};

}  // namespace glifora
