#pragma once
// frmEditor, "Editor Ascii": the text art on a grid of cells, edited with five
// tools (freehand, erase, box, filled box, fill) and transformed from its
// menus. The window only reads its controls and mouse and calls the document;
// the grid lives on after the window closes (it deletes itself on closing).

#include <QMainWindow>
#include <string>

#include "editor/editor_canvas_view.h"
#include "editor/editor_document.h"
#include "editor/rubber_band.h"
#include "platform/dialogs.h"
#include "platform/text_font.h"

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QToolBar;

namespace glifora {

class frmEditor : public QMainWindow {
    Q_OBJECT
  public:
    // `font` is the text-art font: the canvas prints in its face at 10 points,
    // and the clipboard notice names face and size. `document` is the grid
    // shown, the program-wide one when null. Opening clears the canvas and
    // resets the visible cells to blanks (column 100 and row 75 keep theirs).
    frmEditor(Dialogs& dialogs, const TextFont& font, QWidget* parent = nullptr,
              EditorDocument* document = nullptr);
    ~frmEditor() override;

    // Paints a text art (Windows-1252, rows joined by CR LF) over the grid
    // from column 1, row 1, without clearing it.
    void LoadEditorText(const std::string& textArt);

    // The menu commands.
    void ClearScreen();      // "&Borrar pantalla"
    void SaveEditorText();   // "Guardar..."
    void CopyToClipboard();  // "Copiar al portapapeles"

    [[nodiscard]] EditorDocument& Document() { return document_; }
    // The current tool's key ("Libre", "Borrar", "Caja", "CajaR", "Rellenar"),
    // empty until a tool button is clicked.
    [[nodiscard]] const std::string& CurrentTool() const { return currentTool_; }
    // The character "Libre", "CajaR" and "Rellenar" paint (Windows-1252).
    [[nodiscard]] const std::string& CurrentCharacter() const { return currentCharacter_; }
    [[nodiscard]] QString PanelText() const;
    [[nodiscard]] QAction* Action(const QString& name) const;
    [[nodiscard]] QMenu* Menu(const QString& name) const;

    QToolBar* TbTool;
    QPushButton* cmd1;
    QListWidget* lstCaracteres;
    QWidget* Picture1;
    EditorCanvasView* picDraw;
    QScrollBar* HScroll1;
    QScrollBar* VScroll1;
    QStatusBar* SBPanel;

  private:
    void BuildTools(QWidget* client);
    void BuildMenus();
    void FillCharacterList();
    void ChooseCharacter(QListWidgetItem* item);
    void OnCanvasMouse(MouseAction action, Qt::MouseButtons buttons, QPointF at);
    void ScrollHorizontally(int value);
    void ScrollVertically(int value);

    Dialogs& dialogs_;
    TextFont font_;
    EditorDocument& document_;
    RubberBand band_;
    QLabel* panel_ = nullptr;
    std::string currentTool_;
    std::string currentCharacter_;
    int hScrollMax_ = 0;
    int vScrollMax_ = 0;
};

}  // namespace glifora
