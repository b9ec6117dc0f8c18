#include "app/frm_main.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

#include "app/frm_about.h"
#include "app/frm_opc_algoritmo.h"
#include "app/frm_preview.h"
#include "app/icons.h"
#include "app/widgets.h"
#include "editor/frm_editor.h"
#include "platform/arith.h"
#include "platform/object_names.h"
#include "platform/shell.h"

namespace glifora {
namespace {

// The design's client area: 11610 x 8145 twips at 15 twips a pixel.
constexpr int kClientWidth = 774;
constexpr int kClientHeight = 543;
const QColor kNavy(0, 0, 128);

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w = 0, int h = 16) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w ? w : label->sizeHint().width(), h);
    return label;
}

QFrame* SettingsFrame(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = Named(new QFrame(parent), name);
    frame->setGeometry(geometry);
    return frame;
}

QSlider* Slider(QWidget* parent, const char* name, int lo, int hi, int value, const QRect& g) {
    auto* s = Named(new QSlider(Qt::Horizontal, parent), name);
    s->setRange(lo, hi);
    s->setValue(value);
    s->setGeometry(g);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(hi - lo > 10 ? (hi - lo) / 10 : 1);
    return s;
}

}  // namespace

frmMain::frmMain(Dialogs& dialogs, Options options, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      options_(options),
      filterProgress_([this](int v) { prgBar1->setValue(v); },
                      [] { QCoreApplication::processEvents(); },
                      [this](bool visible) {
                          prgBar1->setVisible(visible);
                          if (visible) prgBar1->raise();
                      }) {
    setObjectName("frmMain");
    setWindowTitle(kProgramName);
    setWindowIcon(ToolIcon(IconKind::App));
    setAcceptDrops(true);

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    QPalette navy = client->palette();
    navy.setColor(QPalette::Window, kNavy);
    navy.setColor(QPalette::WindowText, Qt::white);
    client->setPalette(navy);
    QFont small = client->font();
    small.setPointSizeF(7.5);
    client->setFont(small);
    // White texts on navy; the frames draw a thin light border.
    client->setStyleSheet(
        "QLabel, QCheckBox { color: white; } QStatusBar QLabel { color: black; }"
        "QFrame#mrcAscii, QFrame#mrcWeb, QFrame#mrcAnimArt { border: 1px solid #8080c0; }");
    setCentralWidget(client);

    BuildToolbars(client);
    BuildPictureFrame(client);
    BuildAsciiFrame(client);
    BuildWebFrame(client);
    BuildStatusBar(client);
    BuildHiddenControls(client);
    BuildMenus();
    BuildImageMenus();
    // Fixed border: the window is exactly its client area plus the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    StartUp();
}

frmMain::~frmMain() {
    // The editor window is a child, which Qt deletes only after the members,
    // the document it shows among them; it must go while that document lives.
    delete editor_;
}

void frmMain::BuildToolbars(QWidget* client) {
    Toolbar1 = Named(new QToolBar(client), "Toolbar1");
    Toolbar1->setGeometry(0, 0, 200, 44);
    Toolbar1->setIconSize(QSize(28, 28));
    Toolbar1->setMovable(false);
    Toolbar1->setAutoFillBackground(true);
    struct Button {
        const char* key;
        const char* tip;
        IconKind icon;
    };
    const Button buttons[] = {{"CargarImagen", "Cargar imagen", IconKind::Open},
                              {"Play", "Crear", IconKind::Play},
                              {"Guardar", "Guardar AsciiArt", IconKind::Save},
                              {"VistaPrevia", "Vista previa del AsciiArt", IconKind::Preview},
                              {"Fuentes", "Cambiar la fuente", IconKind::Font}};
    for (const Button& b : buttons) {
        QAction* a = Toolbar1->addAction(ToolIcon(b.icon), QString::fromUtf8(b.tip));
        a->setObjectName(b.key);
        a->setToolTip(QString::fromUtf8(b.tip));
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this, [this](QAction* a) {
        const QString key = a->objectName();
        if (key == "CargarImagen")
            LoadImageFile();
        else if (key == "Play")
            Play();
        else if (key == "VistaPrevia")
            ShowTextPreview();
        else if (key == "Fuentes")
            ChangeFont();
        else if (key == "Guardar")
            SaveTextArt();
    });

    Caption(client, QStringLiteral("Modo >>"), 212, 14);
    tbModo = Named(new QToolBar(client), "tbModo");
    tbModo->setGeometry(262, 0, 84, 44);
    tbModo->setIconSize(QSize(28, 28));
    tbModo->setMovable(false);
    tbModo->setAutoFillBackground(true);
    auto* group = new QActionGroup(tbModo);
    group->setExclusive(true);
    QAction* ascii = tbModo->addAction(ToolIcon(IconKind::AsciiMode), "Modo AsciiArt");
    ascii->setObjectName("AsciiArt");
    QAction* web = tbModo->addAction(ToolIcon(IconKind::WebMode), "Modo WebArt");
    web->setObjectName("WebArt");
    for (QAction* a : {ascii, web}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    ascii->setChecked(true);
    connect(ascii, &QAction::triggered, this, [this] { SetMode(true); });
    connect(web, &QAction::triggered, this, [this] { SetMode(false); });
}

void frmMain::BuildPictureFrame(QWidget* client) {
    picMarco = Named(new QFrame(client), "picMarco");
    picMarco->setGeometry(4, 48, kFrameWidth, kFrameHeight);
    picMarco->setAutoFillBackground(true);
    QPalette p = picMarco->palette();
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    picMarco->setPalette(p);
    picMain = Named(new PictureBox(picMarco), "picMain");
    picMain->move(0, 0);
    picMain->Show(&picture_.Displayed());

    VScroll1 = Named(new QScrollBar(Qt::Vertical, client), "VScroll1");
    VScroll1->setGeometry(4 + kFrameWidth, 48, 17, kFrameHeight);
    HScroll1 = Named(new QScrollBar(Qt::Horizontal, client), "HScroll1");
    HScroll1->setGeometry(4, 48 + kFrameHeight, kFrameWidth, 17);
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setRange(0, 4096);
        bar->setSingleStep(128);
        bar->setPageStep(1024);
        const bool horizontal = bar == HScroll1;
        connect(bar, &QScrollBar::valueChanged, this, [this, horizontal] { OnScroll(horizontal); });
    }

    txtAscii = Named(new QPlainTextEdit(client), "txtAscii");
    txtAscii->setGeometry(306, 48, 463, 469);
    txtAscii->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtAscii->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtAscii->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void frmMain::BuildAsciiFrame(QWidget* client) {
    mrcAscii = SettingsFrame(client, "mrcAscii", QRect(4, 322, 301, 195));
    QWidget* f = mrcAscii;
    Caption(f, "Paleta de texto", 8, 8);
    cboPaletas = Named(new QComboBox(f), "cboPaletas");
    cboPaletas->setGeometry(100, 4, 194, 22);
    for (const Palette& palette : kPalettes) cboPaletas->addItem(QString::fromUtf8(palette.name));
    connect(cboPaletas, &QComboBox::activated, this, [this](int i) { OnPaletteSelected(i); });

    Caption(f, QStringLiteral("Tamaño"), 8, 36);
    lblTamañoAsciiMin = Named(new ClickLabel("Min", f), "lblTamañoAsciiMin");
    lblTamañoAsciiMin->setGeometry(72, 36, 24, 16);
    sldTamaño = Slider(f, "sldTamaño", 1, 100, 50, QRect(100, 30, 160, 24));
    lblTamañoAsciiMax = Named(new ClickLabel("Max", f), "lblTamañoAsciiMax");
    lblTamañoAsciiMax->setGeometry(266, 36, 28, 16);
    lbl100 = Named(new ClickLabel("", f), "lbl100");
    lbl100->setGeometry(174, 54, 8, 6);
    lbl100->setToolTip("50%");

    Caption(f, "Luminosidad", 8, 66);
    sldLuminosidad = Slider(f, "sldLuminosidad", -100, 100, 0, QRect(100, 60, 160, 24));
    Label1 = Named(new ClickLabel("", f), "Label1");
    Label1->setGeometry(174, 84, 8, 6);
    Label1->setToolTip("0");

    Caption(f, "Color del texto", 8, 96);
    lblAsciiForeColor = Named(new ClickLabel("", f), "lblAsciiForeColor");
    lblAsciiForeColor->setGeometry(100, 95, 22, 16);
    Caption(f, "Color del fondo", 160, 96);
    lblAsciiBackcolor = Named(new ClickLabel("", f), "lblAsciiBackcolor");
    lblAsciiBackcolor->setGeometry(264, 95, 22, 16);

    chkAsciiNegativo = Named(new QCheckBox("AsciiArt Negativado", f), "chkAsciiNegativo");
    chkAsciiNegativo->setGeometry(8, 116, 280, 18);
    chkAsciiPrev =
        Named(new QCheckBox("Previsualizar el AsciiArt tras generarlo", f), "chkAsciiPrev");
    chkAsciiPrev->setGeometry(8, 136, 280, 18);

    mrcAnimArt = SettingsFrame(f, "mrcAnimArt", QRect(4, 157, 293, 34));
    chkAnimArt = Named(new QCheckBox("Generar AnimArt del GIF", mrcAnimArt), "chkAnimArt");
    chkAnimArt->setGeometry(6, 8, 180, 18);
    cmdGIFAvance = Named(new QPushButton("Avanzado >>", mrcAnimArt), "cmdGIFAvance");
    cmdGIFAvance->setGeometry(196, 5, 92, 24);
    cmdGIFAvance->setEnabled(false);
    animControls_ = std::make_unique<WidgetAnimArtControls>(chkAnimArt, cmdGIFAvance);
    connect(cmdGIFAvance, &QPushButton::clicked, this, [this] { ShowFrameSelection(); });

    for (QCheckBox* box : {chkAsciiNegativo, chkAsciiPrev, chkAnimArt}) {
        QPalette p = box->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        box->setPalette(p);
    }
    connect(chkAsciiNegativo, &QCheckBox::clicked, this, [this] { OnNegativeClicked(); });
    connect(sldLuminosidad, &QSlider::valueChanged, this, [this] { OnLuminosityChanged(); });
    connect(sldTamaño, &QSlider::valueChanged, this, [this] { OnSizeChanged(); });
    connect(lblTamañoAsciiMax, &ClickLabel::clicked, this, [this] {
        sldTamaño->setValue(sldTamaño->maximum());
        ComputeColumnCount();
    });
    connect(lblTamañoAsciiMin, &ClickLabel::clicked, this, [this] {
        sldTamaño->setValue(sldTamaño->minimum());
        ComputeColumnCount();
    });
    connect(lbl100, &ClickLabel::clicked, this, [this] {
        sldTamaño->setValue(RoundToInt(sldTamaño->maximum() / 2.0 + 1));
        ComputeColumnCount();
    });
    connect(Label1, &ClickLabel::clicked, this, [this] { sldLuminosidad->setValue(0); });
    connect(lblAsciiForeColor, &ClickLabel::clicked, this,
            [this] { ChooseSwatchColor(lblAsciiForeColor); });
    connect(lblAsciiBackcolor, &ClickLabel::clicked, this,
            [this] { ChooseSwatchColor(lblAsciiBackcolor); });
}

void frmMain::BuildWebFrame(QWidget* client) {
    mrcWeb = SettingsFrame(client, "mrcWeb", QRect(310, 322, 301, 195));
    QWidget* f = mrcWeb;
    Caption(f, "Paleta de texto", 8, 8);
    cboPaletaWeb = Named(new QComboBox(f), "cboPaletaWeb");
    cboPaletaWeb->setGeometry(100, 4, 194, 22);
    cboPaletaWeb->addItems({"Binaria (0-1)", "Texto del usuario"});
    Caption(f, "Texto", 8, 36);
    txtPaletaWeb = Named(new QLineEdit(f), "txtPaletaWeb");
    txtPaletaWeb->setGeometry(100, 32, 194, 22);
    Caption(f, "Color del fondo", 8, 62);
    lblWebBackColor = Named(new ClickLabel("", f), "lblWebBackColor");
    lblWebBackColor->setGeometry(100, 61, 22, 16);
    Caption(f, QStringLiteral("Añadir Bordes"), 8, 88);
    TBBordesWeb = Named(new QToolBar(f), "TBBordesWeb");
    TBBordesWeb->setGeometry(100, 80, 116, 28);
    TBBordesWeb->setIconSize(QSize(18, 18));
    TBBordesWeb->setMovable(false);
    TBBordesWeb->setAutoFillBackground(true);
    struct Border {
        const char* key;
        const char* tip;
        IconKind icon;
    };
    for (const Border& b : {Border{"WebBArriba", "Borde superior", IconKind::BorderTop},
                            Border{"WebBAbajo", "Borde inferior", IconKind::BorderBottom},
                            Border{"WebBDerecha", "Borde derecho", IconKind::BorderRight},
                            Border{"WebBIzquierda", "Borde izquierdo", IconKind::BorderLeft}}) {
        QAction* a = TBBordesWeb->addAction(ToolIcon(b.icon), QString::fromUtf8(b.tip));
        a->setObjectName(b.key);
        a->setCheckable(true);
    }
    auto* note = Caption(f, QStringLiteral("(Sólo para copia exacta de imagen)"), 220, 74, 80, 44);
    note->setWordWrap(true);
    QFont noteFont = note->font();
    noteFont.setPointSizeF(6.5);
    note->setFont(noteFont);
    Caption(f, QStringLiteral("Tamaño"), 8, 122);
    lblTamañowebMin = Named(new ClickLabel("Min", f), "lblTamañowebMin");
    lblTamañowebMin->setGeometry(72, 122, 24, 16);
    sldWTamaño = Slider(f, "sldWTamaño", 1, 5, 3, QRect(100, 116, 160, 24));
    lblTamañowebMax = Named(new ClickLabel("Max", f), "lblTamañowebMax");
    lblTamañowebMax->setGeometry(266, 122, 28, 16);
    chkWebCalidad = Named(new QCheckBox(f), "chkWebCalidad");
    chkWebCalidad->setGeometry(8, 148, 18, 18);
    Caption(f, "Copia exacta de la imagen", 28, 149);
    chkWebArtPrev = Named(new QCheckBox(f), "chkWebArtPrev");
    chkWebArtPrev->setGeometry(8, 170, 18, 18);
    Caption(f, "Previsualizar el WebArt tras generarlo", 28, 171);
    connect(cboPaletaWeb, &QComboBox::activated, this, [this](int index) {
        txtPaletaWeb->setEnabled(index == 1);
        if (index == 1) txtPaletaWeb->setFocus();
    });
    connect(chkWebCalidad, &QCheckBox::clicked, this, [this] {
        const bool quality = chkWebCalidad->isChecked();
        if (quality) sldWTamaño->setValue(sldWTamaño->maximum());
        TBBordesWeb->setEnabled(quality);
        cboPaletaWeb->setEnabled(!quality);
        txtPaletaWeb->setEnabled(!quality);
    });
    TBBordesWeb->setEnabled(false);
    connect(lblWebBackColor, &ClickLabel::clicked, this, [this] {
        const ColorValue c = dialogs_.ShowColorDialog();
        if (c != kInvalidColor) web_.WebBackColor = WebColorText(c);
        if (c != -1) lblWebBackColor->SetSwatch(c);
    });
    connect(lblTamañowebMax, &ClickLabel::clicked, this,
            [this] { sldWTamaño->setValue(sldWTamaño->maximum()); });
    connect(lblTamañowebMin, &ClickLabel::clicked, this,
            [this] { sldWTamaño->setValue(sldWTamaño->minimum()); });
    mrcWeb->hide();
}

void frmMain::BuildStatusBar(QWidget* client) {
    SBMain = Named(new QStatusBar(client), "SBMain");
    SBMain->setGeometry(0, kClientHeight - 24, kClientWidth, 24);
    SBMain->setSizeGripEnabled(false);
    SBMain->setAutoFillBackground(true);
    QPalette p = SBMain->palette();
    p.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    p.setColor(QPalette::WindowText, Qt::black);
    SBMain->setPalette(p);
    const char* keys[] = {"Fuente", "Tamaño", "Progeso", "Modo"};
    const int stretch[] = {3, 2, 3, 2};
    for (int i = 0; i < 4; ++i) {
        panels_[i] = Named(new QLabel(SBMain), keys[i]);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        SBMain->addWidget(panels_[i], stretch[i]);
    }
    prgBar1 = Named(new QProgressBar(client), "prgBar1");
    prgBar1->setGeometry(0, kClientHeight - 24, kClientWidth, 24);
    prgBar1->setRange(0, 100);
    prgBar1->hide();
}

void frmMain::BuildHiddenControls(QWidget* client) {
    cmd1 = Named(new QPushButton("cmd1", client), "cmd1");
    cmd2 = Named(new QPushButton("cmd2", client), "cmd2");
    Command1 = Named(new QPushButton("Command1", client), "Command1");
    cmd1->setGeometry(360, 10, 60, 24);
    cmd2->setGeometry(424, 10, 60, 24);
    Command1->setGeometry(488, 10, 80, 24);
    Picture1 = Named(new QWidget(client), "Picture1");
    Picture1->setGeometry(570, 2, 200, 44);
    for (QWidget* w : {static_cast<QWidget*>(cmd1), static_cast<QWidget*>(cmd2),
                       static_cast<QWidget*>(Command1), Picture1})
        w->setVisible(options_.allFeatures);
    connect(cmd1, &QPushButton::clicked, this, [this] { SaveSettingsFile(); });
    connect(cmd2, &QPushButton::clicked, this, [this] {
        QFont f = txtAscii->font();
        f.setBold(false);
        txtAscii->setFont(f);
    });
    connect(Command1, &QPushButton::clicked, this, [this] { ShowAlgorithmOptions(); });
}

QAction* frmMain::AddAction(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

QAction* frmMain::Action(const QString& name) const {
    return findChild<QAction*>(name);
}
QMenu* frmMain::Menu(const QString& name) const {
    return findChild<QMenu*>(name);
}

void frmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](QMenu* parent, const char* name, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
        m->setObjectName(QString::fromUtf8(name));
        return m;
    };
    QMenu* archivo = menu(nullptr, "mnuArchivo", "&Archivo");
    connect(AddAction(archivo, "mnuLoadImage", "Cargar nueva imagen"), &QAction::triggered, this,
            [this] { LoadImageFile(); });
    archivo->addSeparator();
    connect(AddAction(archivo, "mnuSaveImage", "Guardar como imagen..."), &QAction::triggered, this,
            [this] { SaveTextArtPicture(); });
    connect(AddAction(archivo, "mnuClipboard", "Copiar AsciiArt al portapapeles"),
            &QAction::triggered, this, [this] { CopyToClipboard(); });
    connect(AddAction(archivo, "mnuSalir", "Salir"), &QAction::triggered, this,
            [this] { close(); });

    QMenu* imagen = menu(nullptr, "mnuImagen", "&Imagen");
    // Girar, Colores, Intensidad, Bordes, Efectos and Espejos come from the
    // filter catalogue (BuildImageMenus).
    imagen->addSeparator();
    QAction* undo = AddAction(imagen, "mnuUndoPicture", "Deshacer cambios");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, this, [this] { UndoPicture(); });
    QAction* reload = AddAction(imagen, "mnuImageReload", "Volver a la imagen original");
    reload->setEnabled(options_.allFeatures);
    connect(reload, &QAction::triggered, this, [this] { RevertPicture(); });

    QMenu* herramientas = menu(nullptr, "mnuHerramientas", "&Herramientas");
    QMenu* fuentes = menu(herramientas, "mnuFuentes", "Fuentes");
    connect(AddAction(fuentes, "mnuFontsChange", "Cambiar la fuente"), &QAction::triggered, this,
            [this] { ChangeFont(); });
    connect(AddAction(fuentes, "mnuFixedFonts", "Fuentes Fixed instaladas"), &QAction::triggered,
            this, [this] { OpenFixedFonts(); });
    connect(AddAction(herramientas, "mnuAnimArtDirectorio", "Crear AnimArt de un directorio"),
            &QAction::triggered, this, [this] { AnimArtFromDirectory(); });
    herramientas->addSeparator();
    QAction* editor = AddAction(herramientas, "mnuEditor", "Abrir el AsciiArt en un editor");
    editor->setEnabled(options_.allFeatures);
    connect(editor, &QAction::triggered, this, [this] { OpenEditor(); });
    connect(AddAction(herramientas, "mnuPreviewAsciiArt",
                      "Previsualizar el AsciiArt a pantalla completa"),
            &QAction::triggered, this, [this] { ShowTextPreview(); });
    connect(AddAction(herramientas, "mnuImagePreview",
                      "Previsualizar la imagen a tratar en pantalla completa"),
            &QAction::triggered, this, [this] { ShowImagePreview(); });
    herramientas->addSeparator();
    connect(AddAction(herramientas, "mnuSistema", "Configuracion de IE y Notepad"),
            &QAction::triggered, this, [this] { OpenHostSettings(); });
    connect(AddAction(herramientas, "mnuCharMap", "Mapa de caracteres"), &QAction::triggered, this,
            [] { (void)StartCharacterMap(); });

    QMenu* ayuda = menu(nullptr, "mnuAyuda", "Ay&uda");
    connect(AddAction(ayuda, "mnuAbout", "Acerca de..."), &QAction::triggered, this,
            [this] { ShowAbout(); });
    connect(AddAction(ayuda, "mnuMailAutor", "Contactar con el autor"), &QAction::triggered, this,
            [] { ShellOpen(kAuthorMail); });
}

}  // namespace glifora
