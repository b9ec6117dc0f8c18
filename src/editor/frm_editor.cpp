#include "editor/frm_editor.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
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

#include "editor/editor_transformations.h"
#include "platform/ansi.h"
#include "platform/arith.h"
#include "platform/file_io.h"
#include "platform/object_names.h"
#include "platform/text_metrics.h"

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
QIcon ToolIcon(const std::string& key) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    if (key == "Libre") {  // a pencil
        p.setBrush(QColor(240, 200, 60));
        p.drawPolygon(QPolygon({QPoint(3, 12), QPoint(11, 2), QPoint(14, 5), QPoint(6, 14)}));
        p.drawLine(3, 12, 1, 15);
    } else if (key == "Borrar") {  // an eraser
        p.setBrush(QColor(240, 140, 160));
        p.drawPolygon(QPolygon({QPoint(1, 10), QPoint(8, 3), QPoint(14, 8), QPoint(7, 14)}));
    } else if (key == "Caja") {
        p.drawRect(2, 3, 11, 9);
    } else if (key == "CajaR") {
        p.setBrush(QColor(90, 90, 90));
        p.drawRect(2, 3, 11, 9);
    } else {  // a paint pot tipped over
        p.setBrush(QColor(60, 120, 220));
        p.drawPolygon(QPolygon({QPoint(2, 7), QPoint(8, 1), QPoint(13, 6), QPoint(7, 12)}));
        p.fillRect(12, 10, 3, 5, QColor(60, 120, 220));
    }
    return QIcon(pixmap);
}

// A scroll bar whose maximum may lie below its minimum of 0: value / max runs
// from 0 at the bar's start to 1 at its end.
void SetReversibleRange(QScrollBar* bar, int max, int step) {
    bar->setRange(std::min(0, max), std::max(0, max));
    bar->setInvertedAppearance(max < 0);
    bar->setValue(0);
    bar->setSingleStep(step);
    bar->setPageStep(step * 10);
}

// The canvas edge for a scroll value: the scrolled distance, in whole steps.
int CanvasOffset(int extent, int margin, int value, int max, int step) {
    if (max == 0) return 0;
    const int64_t v = RoundHalfEven(static_cast<double>(extent - margin) * value / max);
    return static_cast<int>(-step * DivTrunc(v, step));
}

}  // namespace

frmEditor::frmEditor(Dialogs& dialogs, const TextFont& font, QWidget* parent,
                     EditorDocument* document)
    : QMainWindow(parent),
      dialogs_(dialogs),
      font_(font),
      document_(document != nullptr ? *document : SharedEditorDocument()),
      band_(document_) {
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
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmEditor::ScrollHorizontally);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmEditor::ScrollVertically);

    BuildTools(client);

    SBPanel = Named(new QStatusBar(client), "SBPanel");
    SBPanel->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    SBPanel->setSizeGripEnabled(false);
    panel_ = Named(new QLabel(SBPanel), "Panel1");
    SBPanel->addWidget(panel_, 1);

    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The load: a clean canvas over the grid the program keeps, the bars at
    // their starts, the characters to choose from.
    document_.SetCanvas(picDraw);
    document_.ClearScreen();
    hScrollMax_ = RoundToInt(kCanvasHeight - 1000.0);
    vScrollMax_ = RoundToInt(kCanvasWidth - 1000.0);
    SetReversibleRange(HScroll1, hScrollMax_, 2);
    SetReversibleRange(VScroll1, vScrollMax_, 4);
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
    const std::pair<const char*, const char*> tools[] = {{"Libre", "Dibujo libre"},
                                                         {"Borrar", "Borrar"},
                                                         {"Caja", "Caja"},
                                                         {"CajaR", "Caja rellena"},
                                                         {"Rellenar", "Rellenar"}};
    for (const auto& [key, tip] : tools) {
        QAction* a = TbTool->addAction(ToolIcon(key), QString::fromUtf8(tip));
        a->setObjectName(QString::fromUtf8(key));
        a->setCheckable(true);
        group->addAction(a);
    }
    // Shown pressed, but no tool is current until one is clicked.
    TbTool->findChild<QAction*>("Libre")->setChecked(true);
    connect(TbTool, &QToolBar::actionTriggered, this,
            [this](QAction* a) { currentTool_ = a->objectName().toStdString(); });

    cmd1 = Named(new QPushButton("cmd1", client), "cmd1");
    cmd1->setGeometry(Twips(120, 2040, 345, 315));
    cmd1->setStyleSheet("padding: 0px");  // the caption fills the small button
    QFont small = cmd1->font();
    small.setPointSizeF(7);
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
    for (int code = 31; code <= 127; ++code) {
        const std::string character(1, static_cast<char>(code));
        auto* item = new QListWidgetItem(AnsiToUnicode(character), lstCaracteres);
        item->setData(Qt::UserRole, code);
    }
}

void frmEditor::ChooseCharacter(QListWidgetItem* item) {
    currentCharacter_ = std::string(1, static_cast<char>(item->data(Qt::UserRole).toInt()));
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

void frmEditor::CopyToClipboard() {
    const std::string text = EditorText(document_);
    if (text.empty()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(AnsiToUnicode(text));
    dialogs_.ShowMessage("Dibujo copiado en el portapapeles.\nUsar fuente: " + font_.FontName +
                             " Tamaño: " + std::to_string(font_.FontSize),
                         "", MessageIcon::Information);
}

QString frmEditor::PanelText() const {
    return panel_->text();
}
QAction* frmEditor::Action(const QString& name) const {
    return findChild<QAction*>(name);
}
QMenu* frmEditor::Menu(const QString& name) const {
    return findChild<QMenu*>(name);
}

void frmEditor::OnCanvasMouse(MouseAction action, Qt::MouseButtons buttons, QPointF at) {
    const std::string& tool = currentTool_;
    const bool left = buttons.testFlag(Qt::LeftButton);
    const double x = at.x(), y = at.y();
    const GridCell cell = PixelToCell(x, y);
    if (tool == "Caja" || tool == "CajaR") {
        // The band starts where the button went down, whichever it was; it
        // follows and ends only with the left button.
        if (action == MouseAction::Down)
            band_.Down(x, y);
        else if (action == MouseAction::Move && left)
            band_.Move(RoundHalfEven(x), RoundHalfEven(y));
        else if (action == MouseAction::Up && left)
            band_.Up(RoundHalfEven(x), RoundHalfEven(y), tool == "CajaR", currentCharacter_);
    } else if (tool == "Libre") {
        if (action == MouseAction::Move)
            panel_->setText(QString("(%1,%2)").arg(cell.column).arg(cell.row));
        if (action != MouseAction::Up && left)
            document_.PintarCaracter(cell.column, cell.row, currentCharacter_);
    } else if (tool == "Borrar") {
        if (action != MouseAction::Up && left) document_.EraseGlyph(cell.column, cell.row);
    } else if (tool == "Rellenar") {
        if (action == MouseAction::Up)
            document_.FloodFill(cell.column, cell.row, currentCharacter_);
    }
}

void frmEditor::ScrollHorizontally(int value) {
    picDraw->move(CanvasOffset(picDraw->width(), 320, value, hScrollMax_, 6), picDraw->y());
}

void frmEditor::ScrollVertically(int value) {
    picDraw->move(picDraw->x(), CanvasOffset(picDraw->height(), 250, value, vScrollMax_, 12));
}

}  // namespace glifora
