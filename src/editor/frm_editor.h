#pragma once
// frmEditor, "Editor Ascii": the text art on a grid of cells, edited with five
// tools (freehand, erase, box, filled box, fill) and transformed from its
// menus. The window only reads its controls and mouse and calls the document
// and the tools; the document belongs to whoever opens the window and lives
// on after it closes (the window deletes itself on closing).

#include <QMainWindow>
#include <string>

#include "editor/editor_canvas_view.h"
#include "editor/editor_document.h"
#include "editor/editor_tools.h"
#include "platform/dialogs.h"
#include "platform/text_font.h"

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QToolBar;

namespace glifora {

class frmEditor : public QMainWindow {
    Q_OBJECT
  public:
    // `font` is the text-art font: the canvas prints in its face at 10
    // points, and the clipboard notice names face and size. Opening clears
    // the canvas and resets every paintable cell to a blank.
    frmEditor(Dialogs& dialogs, EditorDocument& document, const TextFont& font,
              QWidget* parent = nullptr);
    ~frmEditor() override;

    // Paints a text art (Windows-1252, rows joined by CR LF) over the grid
    // from column 1, row 1, without clearing it.
    void LoadEditorText(const std::string& textArt);

    // The menu commands.
    void ClearScreen();        // "&Borrar pantalla"
    void SaveEditorText();     // "Guardar..."
    void SaveEditorPicture();  // "Guardar como imagen...", black on white
    void CopyToClipboard();    // "Copiar al portapapeles"

    [[nodiscard]] EditorDocument& Document() { return document_; }
    // The current tool and character, as the tool buttons and the character
    // list chose them.
    [[nodiscard]] const EditorTools& Tools() const { return tools_; }
    [[nodiscard]] QString PanelText() const;
    [[nodiscard]] QAction* Action(const QString& name) const;

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

    Dialogs& dialogs_;
    EditorDocument& document_;
    EditorTools tools_;
    TextFont font_;
    QLabel* panel_ = nullptr;
};

}  // namespace glifora
