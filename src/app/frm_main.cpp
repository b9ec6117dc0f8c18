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
#include "app/picture_panel.h"
#include "app/status_panel.h"
#include "app/text_art_panel.h"
#include "app/web_art_panel.h"
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
        // Check boxes take white text from their palette instead: a style
        // sheet colour would also paint their tick white on the white box.
        "QLabel { color: white; } QStatusBar QLabel { color: black; }"
        "QFrame#mrcAscii, QFrame#mrcWeb, QFrame#mrcAnimArt { border: 1px solid #8080c0; }");
    setCentralWidget(client);

    BuildToolbars(client);
    BuildPanels(client);
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
        QKeySequence keys;
        std::function<void()> run;
    };
    const Button buttons[] = {
        {"CargarImagen", "Cargar imagen", IconKind::Open, QKeySequence::Open,
         [this] { LoadImageFile(); }},
        {"Play", "Crear", IconKind::Play, Qt::Key_F5, [this] { Play(); }},
        {"Guardar", "Guardar AsciiArt", IconKind::Save, QKeySequence::Save,
         [this] { SaveTextArt(); }},
        {"VistaPrevia", "Vista previa del AsciiArt", IconKind::Preview, Qt::Key_F11,
         [this] { ShowTextPreview(); }},
        {"Fuentes", "Cambiar la fuente", IconKind::Font, {}, [this] { ChangeFont(); }}};
    for (const Button& b : buttons) {
        QAction* a = Toolbar1->addAction(ToolIcon(b.icon), QString::fromUtf8(b.tip));
        a->setObjectName(b.key);
        a->setShortcut(b.keys);
        // The tip names the key in the desktop's own words ("Ctrl+S").
        const QString keys = b.keys.toString(QKeySequence::NativeText);
        a->setToolTip(QString::fromUtf8(b.tip) + (keys.isEmpty() ? "" : " (" + keys + ")"));
        connect(a, &QAction::triggered, this, b.run);
    }

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

void frmMain::BuildPanels(QWidget* client) {
    picturePanel_ = new PicturePanel(client);
    picturePanel_->move(4, 48);
    picMarco = picturePanel_->picMarco;
    picMain = picturePanel_->picMain;
    HScroll1 = picturePanel_->HScroll1;
    VScroll1 = picturePanel_->VScroll1;
    picturePanel_->Show(&std::as_const(picture_).Displayed());

    txtAscii = Named(new QPlainTextEdit(client), "txtAscii");
    txtAscii->setGeometry(306, 48, 463, 469);
    txtAscii->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtAscii->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtAscii->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Saving, copying and the preview use the converted text, so typing here
    // would be lost: the box only shows it, and parts can still be selected
    // and copied by hand.
    txtAscii->setReadOnly(true);
    txtAscii->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    TextArtPanel* t = textPanel_ = new TextArtPanel(client);
    mrcAscii = t;
    cboPaletas = t->cboPaletas;
    sldTamaño = t->sldTamaño;
    lblTamañoAsciiMin = t->lblTamañoAsciiMin;
    lblTamañoAsciiMax = t->lblTamañoAsciiMax;
    lbl100 = t->lbl100;
    sldLuminosidad = t->sldLuminosidad;
    Label1 = t->Label1;
    lblAsciiForeColor = t->lblAsciiForeColor;
    lblAsciiBackcolor = t->lblAsciiBackcolor;
    chkAsciiNegativo = t->chkAsciiNegativo;
    chkMasDetalle = t->chkMasDetalle;
    chkAsciiPrev = t->chkAsciiPrev;
    mrcAnimArt = t->mrcAnimArt;
    chkAnimArt = t->chkAnimArt;
    cmdGIFAvance = t->cmdGIFAvance;
    animControls_ = std::make_unique<WidgetAnimArtControls>(chkAnimArt, cmdGIFAvance);
    connect(t, &TextArtPanel::paletteChosen, this, &frmMain::OnPaletteSelected);
    connect(t, &TextArtPanel::negativeClicked, this, &frmMain::OnNegativeClicked);
    connect(t, &TextArtPanel::detailClicked, this, &frmMain::OnDetailClicked);
    connect(t, &TextArtPanel::luminosityChanged, this, &frmMain::OnLuminosityChanged);
    connect(t, &TextArtPanel::sizeChanged, this, &frmMain::OnSizeChanged);
    connect(t, &TextArtPanel::sizeChosen, this, &frmMain::ComputeColumnCount);
    connect(t, &TextArtPanel::foreColorClicked, this,
            [this] { ChooseSwatchColor(lblAsciiForeColor); });
    connect(t, &TextArtPanel::backColorClicked, this,
            [this] { ChooseSwatchColor(lblAsciiBackcolor); });
    connect(t, &TextArtPanel::framesClicked, this, &frmMain::ShowFrameSelection);

    WebArtPanel* web = webPanel_ = new WebArtPanel(client);
    mrcWeb = web;
    cboPaletaWeb = web->cboPaletaWeb;
    txtPaletaWeb = web->txtPaletaWeb;
    lblWebBackColor = web->lblWebBackColor;
    TBBordesWeb = web->TBBordesWeb;
    sldWTamaño = web->sldWTamaño;
    lblTamañowebMin = web->lblTamañowebMin;
    lblTamañowebMax = web->lblTamañowebMax;
    chkWebCalidad = web->chkWebCalidad;
    chkWebArtPrev = web->chkWebArtPrev;
    connect(web, &WebArtPanel::backColorClicked, this, [this] {
        const ColorValue c = dialogs_.ShowColorDialog();
        if (c != kInvalidColor) web_.WebBackColor = WebColorText(c);
        if (c != -1) lblWebBackColor->SetSwatch(c);
    });

    status_ = new StatusPanel(client);
    status_->setGeometry(0, kClientHeight - 24, kClientWidth, 24);
    SBMain = status_->SBMain;
    prgBar1 = status_->prgBar1;
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
    QAction* copy = AddAction(archivo, "mnuClipboard", "Copiar AsciiArt al portapapeles");
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, [this] { CopyToClipboard(); });
    connect(AddAction(archivo, "mnuSalir", "Salir"), &QAction::triggered, this,
            [this] { close(); });

    QMenu* imagen = menu(nullptr, "mnuImagen", "&Imagen");
    // Girar, Colores, Intensidad, Bordes, Efectos and Espejos come from the
    // filter catalogue (BuildImageMenus).
    imagen->addSeparator();
    QAction* undo = AddAction(imagen, "mnuUndoPicture", "Deshacer cambios");
    undo->setShortcut(QKeySequence::Undo);
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
            [this] {
                if (!StartCharacterMap())
                    dialogs_.ShowMessage(
                        "No se ha podido abrir un mapa de caracteres: no se encuentra "
                        "gucharmap, gnome-characters ni kcharselect.",
                        kProgramName, MessageIcon::Information);
            });

    QMenu* ayuda = menu(nullptr, "mnuAyuda", "Ay&uda");
    connect(AddAction(ayuda, "mnuAbout", "Acerca de..."), &QAction::triggered, this,
            [this] { ShowAbout(); });
    connect(AddAction(ayuda, "mnuMailAutor", "Contactar con el autor"), &QAction::triggered, this,
            [this] {
                if (!ShellOpen(kAuthorMail))
                    dialogs_.ShowMessage(
                        "No se ha podido abrir un programa de correo para escribir a " +
                            std::string(kAuthorMail).substr(7) +
                            ": no hay ningún programa asociado a las direcciones «mailto:».",
                        kProgramName, MessageIcon::Information);
            });
}

}  // namespace glifora
