#include "editor/frm_editor.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <optional>

#include "editor/canvas_scroll.h"
#include "editor/editor_text.h"
#include "editor/editor_transformations.h"
#include "platform/ansi.h"
#include "platform/file_io.h"
#include "platform/object_names.h"
#include "platform/text_metrics.h"
#include "textart/art_picture.h"

namespace glifora {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 11025 / kTwipsPerPixel;  // 735
constexpr int kClientHeight = 7575 / kTwipsPerPixel;  // 505
constexpr int kScrollBarThickness = 17;
constexpr int kStatusHeight = 22;
constexpr int kEditorFontPoints = 10;

QRect Twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

// ImlTool: one small picture per tool, drawn here.
QIcon ToolIcon(EditorTool tool) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    if (tool == EditorTool::Freehand) {  // a pencil
        p.setBrush(QColor(240, 200, 60));
        p.drawPolygon(QPolygon({QPoint(3, 12), QPoint(11, 2), QPoint(14, 5), QPoint(6, 14)}));
        p.drawLine(3, 12, 1, 15);
    } else if (tool == EditorTool::Erase) {  // an eraser
        p.setBrush(QColor(240, 140, 160));
        p.drawPolygon(QPolygon({QPoint(1, 10), QPoint(8, 3), QPoint(14, 8), QPoint(7, 14)}));
    } else if (tool == EditorTool::Box) {
        p.drawRect(2, 3, 11, 9);
    } else if (tool == EditorTool::FilledBox) {
        p.setBrush(QColor(90, 90, 90));
        p.drawRect(2, 3, 11, 9);
    } else {  // a paint pot tipped over
        p.setBrush(QColor(60, 120, 220));
        p.drawPolygon(QPolygon({QPoint(2, 7), QPoint(8, 1), QPoint(13, 6), QPoint(7, 12)}));
        p.fillRect(12, 10, 3, 5, QColor(60, 120, 220));
    }
    return QIcon(pixmap);
}

// A scroll bar whose maximum may lie below its minimum of 0, shown running
// from its start at 0 to its end at the maximum.
void SetReversibleRange(QScrollBar* bar, int max, int step) {
    bar->setRange(std::min(0, max), std::max(0, max));
    bar->setInvertedAppearance(max < 0);
    bar->setValue(0);
    bar->setSingleStep(step);
    bar->setPageStep(step * 10);
}

}  // namespace

frmEditor::frmEditor(Dialogs& dialogs, EditorDocument& document, const TextFont& font,
                     QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), document_(document), tools_(document), font_(font) {
    setObjectName("frmEditor");
    setWindowTitle("Editor Ascii");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* client = Named(new QWidget(this), "client");
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    Picture1 = Named(new QWidget(client), "Picture1");
    Picture1->setGeometry(Twips(810, 30, 9915, 6975));
    Picture1->setAutoFillBackground(true);
    picDraw = new EditorCanvasView(Picture1);
    picDraw->move(0, 0);
    picDraw->SetGlyphFont(MakeTextArtFont(font_.FontName, kEditorFontPoints));
    picDraw->onMouse = [this](MouseAction action, Qt::MouseButtons buttons, QPointF at) {
        OnCanvasMouse(action, buttons, at);
    };

    HScroll1 = Named(new QScrollBar(Qt::Horizontal, client), "HScroll1");
    HScroll1->setGeometry(780 / kTwipsPerPixel, 6990 / kTwipsPerPixel, 10155 / kTwipsPerPixel,
                          kScrollBarThickness);
    VScroll1 = Named(new QScrollBar(Qt::Vertical, client), "VScroll1");
    VScroll1->setGeometry(10710 / kTwipsPerPixel, 60 / kTwipsPerPixel, kScrollBarThickness,
                          6945 / kTwipsPerPixel);
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { picDraw->move(CanvasLeft(value), picDraw->y()); });
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { picDraw->move(picDraw->x(), CanvasTop(value)); });

    BuildTools(client);

    SBPanel = Named(new QStatusBar(client), "SBPanel");
    SBPanel->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    SBPanel->setSizeGripEnabled(false);
    panel_ = Named(new QLabel(SBPanel), "Panel1");
    SBPanel->addWidget(panel_, 1);

    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The load: a clean canvas over the document, the bars at their starts,
    // the characters to choose from.
    document_.SetCanvas(picDraw);
    document_.ClearScreen();
    SetReversibleRange(HScroll1, kCanvasHScrollMaximum, 2);
    SetReversibleRange(VScroll1, kCanvasVScrollMaximum, 4);
    FillCharacterList();
}

frmEditor::~frmEditor() {
    if (document_.Canvas() == picDraw) document_.SetCanvas(nullptr);
}

void frmEditor::BuildTools(QWidget* client) {
    TbTool = Named(new QToolBar(client), "TbTool");
    TbTool->setOrientation(Qt::Vertical);
    TbTool->setMovable(false);
    TbTool->setIconSize(QSize(16, 16));
    TbTool->setGeometry(4, 2, 44, 132);
    auto* group = new QActionGroup(TbTool);
    group->setExclusive(true);
    for (const EditorToolEntry& entry : kEditorTools) {
        QAction* a = TbTool->addAction(ToolIcon(entry.tool), QString::fromUtf8(entry.tip));
        a->setObjectName(QString::fromUtf8(entry.key));
        a->setCheckable(true);
        group->addAction(a);
        const EditorTool tool = entry.tool;
        connect(a, &QAction::triggered, this, [this, tool] { tools_.ChooseTool(tool); });
        // Shown pressed, but no tool is current until one is clicked.
        if (tool == EditorTool::Freehand) a->setChecked(true);
    }

    cmd1 = Named(new QPushButton("cmd1", client), "cmd1");
    cmd1->setGeometry(Twips(120, 2040, 345, 315));
    cmd1->setStyleSheet("padding: 0px");  // the caption fills the small button
    // The button is 23 pixels wide: the caption's font shrinks until the whole
    // "cmd1" fits, whatever the system's sans-serif face measures.
    QFont small = cmd1->font();
    small.setPointSizeF(7);
    while (small.pointSizeF() > 4 &&
           QFontMetrics(small).horizontalAdvance(cmd1->text()) > cmd1->width() - 2)
        small.setPointSizeF(small.pointSizeF() - 0.5);
    cmd1->setFont(small);
    lstCaracteres = Named(new QListWidget(client), "lstCaracteres");
    lstCaracteres->setGeometry(Twips(780, 30, 645, 6930));
    QFont listFont("MS Sans Serif", 12);
    listFont.setBold(true);
    lstCaracteres->setFont(listFont);
    lstCaracteres->hide();
    connect(cmd1, &QPushButton::clicked, this, [this] {
        lstCaracteres->show();
        lstCaracteres->raise();
    });
    connect(lstCaracteres, &QListWidget::itemClicked, this, &frmEditor::ChooseCharacter);
}

void frmEditor::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](QMenu* parent, const char* name, const char* caption) {
        QMenu* m = parent ? parent->addMenu(QString::fromUtf8(caption))
                          : bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromUtf8(name));
        return m;
    };
    auto action = [&](QMenu* m, const char* name, const char* caption, auto slot) {
        QAction* a = m->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromUtf8(name));
        connect(a, &QAction::triggered, this, slot);
    };
    QMenu* file = menu(nullptr, "mnuFile", "&Archivo");
    action(file, "mnuCLS", "&Borrar pantalla", [this] { ClearScreen(); });
    file->addSeparator();
    action(file, "mnuGuardar", "Guardar...", [this] { SaveEditorText(); });
    action(file, "mnuSaveImage", "Guardar como imagen...", [this] { SaveEditorPicture(); });
    action(file, "mnuClipboard", "Copiar al portapapeles", [this] { CopyToClipboard(); });

    QMenu* edit = menu(nullptr, "mnuEdicion", "&Edición");
    QMenu* replace = menu(edit, "mnureemplazar", "Reemplazar caracteres");
    action(replace, "mnuMayMin", "Mayúsculas a minúsculas", [this] { UpperToLower(document_); });
    action(replace, "mnuMinMay", "Minúsculas a mayúsculas", [this] { LowerToUpper(document_); });
    QMenu* flip = menu(edit, "mnuInvertir", "Invertir AsciiArt");
    action(flip, "mnuFlipVertical", "Verticalmente (simple)",
           [this] { FlipVertical(document_, false); });
    action(flip, "mnuFlipHorizontal", "Horizontalmente (simple)",
           [this] { FlipHorizontal(document_, false); });
    action(flip, "mnuFlipCaracterH", "Horizontalmente (con caracteres)",
           [this] { FlipHorizontal(document_, true); });
    action(flip, "mnuFlipCaracterV", "Verticalmente (con caracteres)",
           [this] { FlipVertical(document_, true); });
}

void frmEditor::FillCharacterList() {
    for (int code = kFirstOfferedCode; code <= kLastOfferedCode; ++code) {
        const std::string character(1, static_cast<char>(code));
        auto* item = new QListWidgetItem(AnsiToUnicode(character), lstCaracteres);
        item->setData(Qt::UserRole, code);
    }
}

void frmEditor::ChooseCharacter(QListWidgetItem* item) {
    tools_.ChooseCharacter(std::string(1, static_cast<char>(item->data(Qt::UserRole).toInt())));
    lstCaracteres->hide();
}

void frmEditor::LoadEditorText(const std::string& textArt) {
    document_.LoadEditorText(textArt);
}

void frmEditor::ClearScreen() {
    document_.ClearScreen();
}

void frmEditor::SaveEditorText() {
    const std::string text = EditorText(document_);
    if (text.empty()) return;
    const std::string path = dialogs_.ShowSaveDialog("*.txt", "Guardar el AsciiArt...", "", "txt");
    if (path.empty()) return;
    if (!WriteFileAtomically(path, EditorSavedContent(document_)))
        dialogs_.ShowMessage(SaveFailedMessage(path), kProgramName, MessageIcon::Warning);
}

void frmEditor::SaveEditorPicture() {
    const std::string text = EditorText(document_);
    if (text.empty()) return;
    const std::string path =
        dialogs_.ShowSaveDialog(kArtPictureFilter, "Guardar como imagen...", "", "png");
    if (path.empty()) return;
    if (!SaveTextArtPicture(path, text, MakeTextArtFont(font_.FontName, font_.FontSize), {}))
        dialogs_.ShowMessage(SaveFailedMessage(path), kProgramName, MessageIcon::Warning);
}

void frmEditor::CopyToClipboard() {
    const std::string text = EditorText(document_);
    if (text.empty()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(AnsiToUnicode(text));
    dialogs_.ShowMessage(ClipboardNotice(font_.FontName, font_.FontSize), "",
                         MessageIcon::Information);
}

QString frmEditor::PanelText() const {
    return panel_->text();
}
QAction* frmEditor::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void frmEditor::OnCanvasMouse(MouseAction action, Qt::MouseButtons buttons, QPointF at) {
    const std::optional<std::string> status =
        tools_.Mouse(action, buttons.testFlag(Qt::LeftButton), at.x(), at.y());
    if (status) panel_->setText(QString::fromStdString(*status));
}

}  // namespace glifora
