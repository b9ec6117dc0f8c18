#pragma once
// frmFonts, "Fuentes de tamaño fijo": the fixed-pitch families installed, to
// take one as the text-art face with a double click. It stays open beside the
// main window; the list is built when the window is made and not refreshed
// while it stays open, and closing it deletes it, so every opening builds the
// list afresh.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace glifora {

class frmFonts : public QWidget {
    Q_OBJECT
  public:
    // Called with the face (UTF-8) the user double-clicked; the main window
    // does the font work (TakeFixedFace and its status panel).
    using FacePicked = std::function<void(const std::string& face)>;
    // Where the face names come from; the installed fonts unless a test says
    // otherwise.
    using Enumerator = std::function<std::vector<std::string>()>;

    explicit frmFonts(FacePicked onPick, QWidget* parent = nullptr, Enumerator enumerate = {});

    QListWidget* lstFont = nullptr;
    QTreeWidget* lvwFuentes = nullptr;
    QLabel* lblFontCount = nullptr;
    QLabel* lblEnElListadoDeLaIzquierda = nullptr;
    QLabel* lblParaLaCorrecta = nullptr;

  private:
    void LoadList();
    void OnDoubleClick(QTreeWidgetItem* item);

    FacePicked onPick_;
    Enumerator enumerate_;
};

}  // namespace glifora
