// The commands of the main window: start-up, loading, undo, the text-art
// conversion and its output, fonts, and shutdown.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QToolBar>

#include "app/frm_about.h"
#include "app/frm_image_preview.h"
#include "app/frm_main.h"
#include "app/frm_opc_algoritmo.h"
#include "app/frm_preview.h"
#include "app/picture_panel.h"
#include "app/status_panel.h"
#include "app/text_art_panel.h"
#include "app/widgets.h"
#include "platform/ansi.h"
#include "platform/arith.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "platform/scroll_rule.h"
#include "platform/shell.h"
#include "platform/text_font.h"
#include "textart/art_picture.h"
#include "textart/fixed_face_pick.h"
#include "textart/text_file.h"

namespace glifora {
namespace {

const char* kPictureFilter =
    "Imagenes (*.bmp;*.gif;*.jpg;*.ico;*.wmf)|*.bmp;*.gif;*.jpg;*.ico;*.wmf";

}  // namespace

// --- Start-up ---

void frmMain::StartUp() {
    web_.WebBackColor = "#000000";

    foreColor_ = 0;
    backColor_ = 0xFFFFFF;
    lblAsciiBackcolor->SetSwatch(backColor_);
    lblAsciiForeColor->SetSwatch(foreColor_);
    lblWebBackColor->SetSwatch(0);
    ApplyTextColors();
    columnCount_ = 250;
    mrcWeb->move(mrcAscii->x(), mrcWeb->y());
    UpdateScrollBars();
    dialogs_.CustomColors().fill(0);
    workFolder_ = WorkFolder::Create(UserTempFolder());
    session_.ApplyFont(TextFont{});
    txtAscii->setFont(session_.QtFont());
    cboPaletas->setCurrentIndex(0);
    OnPaletteSelected(0);
    cboPaletaWeb->setCurrentIndex(0);
    cboPaletaWeb->activated(0);
    ShowFontInStatus();
    status_->ShowMode(true);
    ComputeColumnCount();
}

QString frmMain::PanelText(const QString& key) const {
    return status_->Text(key);
}

bool frmMain::AsciiMode() const {
    return tbModo->actions().first()->isChecked();
}

void frmMain::SetMode(bool ascii) {
    tbModo->actions()[ascii ? 0 : 1]->setChecked(true);
    status_->ShowMode(ascii);
    if (ascii) {
        mrcWeb->hide();
        mrcAscii->show();
    } else {
        mrcAscii->hide();
        mrcWeb->show();
    }
}

// --- Working picture ---

void frmMain::LoadImageFile() {
    const std::string path =
        dialogs_.ShowOpenDialog(kPictureFilter, "Seleccione una imagen...", "");
    if (path.empty()) return;
    LoadPictureFile(path);
}

// LoadPictureFile: frm_main_loading.cpp.

void frmMain::RepaintPicture(bool now) {
    picturePanel_->Show(&std::as_const(picture_).Displayed(), now);
}

void frmMain::UndoPicture() {
    picture_.Undo();
    RepaintPicture();
}

void frmMain::RevertPicture() {
    picture_.Revert();
    RepaintPicture();
}

void frmMain::UpdateScrollBars() {
    picturePanel_->UpdateBars();
}

void frmMain::ShowImagePreview() {
    auto* preview = new frmImagePreview(std::as_const(picture_).Displayed(), this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::ApplicationModal);
    preview->Open();
}

// --- Text art ---

frmMain::ScreenMetrics frmMain::Screen() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const int twips = RoundToInt(1440.0 / (dpi > 0 ? dpi : 96.0));
    return {screen ? screen->geometry().width() : 1024, twips > 0 ? twips : 15};
}

void frmMain::ComputeColumnCount() {
    const ScreenMetrics m = Screen();
    columnCount_ = glifora::ComputeColumnCount(sldTamaño->value(), m.width, session_.Cell().width,
                                               m.twipsPerPixel);
}

void frmMain::OnPaletteSelected(int index) {
    session_.SelectPalette(index);
    if (picture_.HasPicture()) GenerateTextArt(Algorithm::Tonal);
}

void frmMain::OnDetailClicked() {
    // The options panel shows the same choice.
    if (options_panel_) options_panel_->chkMasDetalle->setChecked(chkMasDetalle->isChecked());
    if (picture_.HasPicture()) GenerateTextArt(Algorithm::Tonal);
}

void frmMain::OnNegativeClicked() {
    session_.SetNegative(chkAsciiNegativo->isChecked());
    if (picture_.HasPicture()) GenerateTextArt(Algorithm::Tonal);
}

void frmMain::OnLuminosityChanged() {
    chkAsciiPrev->setChecked(false);
    if (picture_.HasPicture()) GenerateTextArt(Algorithm::Tonal);
}

void frmMain::OnSizeChanged() {
    chkAsciiPrev->setChecked(false);
    ComputeColumnCount();
    if (picture_.HasPicture()) GenerateTextArt(Algorithm::Tonal);
}

frmOpcAlgoritmo* frmMain::OptionsPanel() {
    if (!options_panel_) {
        options_panel_ = new frmOpcAlgoritmo(this);
        connect(options_panel_, &frmOpcAlgoritmo::runOutline, this,
                [this] { GenerateTextArt(Algorithm::Outline); });
        options_panel_->chkMasDetalle->setChecked(chkMasDetalle->isChecked());
        connect(options_panel_, &frmOpcAlgoritmo::detailToggled, this, [this](bool checked) {
            chkMasDetalle->setChecked(checked);
            OnDetailClicked();
        });
    }
    return options_panel_;
}

bool frmMain::FillTicked() {
    OptionsPanel();
    return options_panel_->chkRelleno->isChecked();
}

void frmMain::ShowAlgorithmOptions() {
    OptionsPanel();
    options_panel_->setParent(Picture1, Qt::Widget);
    options_panel_->move(0, 0);
    Picture1->show();
    options_panel_->show();
}

TextArtSettings frmMain::TextSettings(Algorithm algorithm) {
    TextArtSettings s;
    s.palette = session_.Palette();
    s.font = session_.Font();
    textPanel_->Fill(s);
    s.negative = session_.Negative();
    s.columns = columnCount_;
    // "Más detalle" turns the tonal conversion into the detail conversion.
    s.algorithm =
        algorithm == Algorithm::Tonal && chkMasDetalle->isChecked() ? Algorithm::Detail : algorithm;
    if (algorithm == Algorithm::Outline) s.fill = FillTicked();
    return s;
}

void frmMain::GenerateTextArt(Algorithm algorithm) {
    txtAscii->clear();
    TextArtResult art =
        ConvertPicture(std::as_const(picture_).Displayed(), TextSettings(algorithm), session_);
    if (art.tooLarge) {
        textArt_.clear();
        dialogs_.ShowMessage("La imagen es demasiado estrecha para convertirla con " +
                                 std::to_string(columnCount_) + " columnas.",
                             kProgramName, MessageIcon::Warning);
        return;
    }
    picResized_ = std::move(art.resized);
    textArt_ = std::move(art.text);
    txtAscii->setPlainText(AnsiToUnicode(textArt_));
    if (chkAsciiPrev->isChecked() && !chkAnimArt->isChecked()) ShowTextPreview();
}

void frmMain::Play() {
    if (!picture_.HasPicture()) {
        if (dialogs_.AskYesNo("Antes debe cargar una imagen\n¿Desea cargarla ahora?"))
            LoadImageFile();
        return;
    }
    if (AsciiMode()) {
        if (chkAnimArt->isChecked())
            PlayAnimation();
        else
            GenerateTextArt(Algorithm::Tonal);
    } else {
        PlayWebArt();
    }
}

void frmMain::SaveTextArt() {
    if (textArt_.empty()) return;
    const std::string path = dialogs_.ShowSaveDialog("*.txt", "Guardar el AsciiArt...", "", "txt");
    if (path.empty()) return;
    const TextFont& font = session_.Font();
    const std::string content = SavedTextContent(FontPanelText(Utf8ToAnsi(font.FontName)),
                                                 SizePanelText(font.FontSize), textArt_);
    if (!WriteFileAtomically(path, content))
        dialogs_.ShowMessage(SaveFailedMessage(path), kProgramName, MessageIcon::Warning);
}

void frmMain::SaveTextArtPicture() {
    if (textArt_.empty()) return;
    const std::string path =
        dialogs_.ShowSaveDialog(kArtPictureFilter, "Guardar como imagen...", "", "png");
    if (path.empty()) return;
    if (!glifora::SaveTextArtPicture(path, textArt_, session_.QtFont(),
                                     {foreColor_, backColor_, 1}))
        dialogs_.ShowMessage(SaveFailedMessage(path), kProgramName, MessageIcon::Warning);
}

void frmMain::CopyToClipboard() {
    if (textArt_.empty()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(AnsiToUnicode(textArt_));
    dialogs_.ShowMessage(
        "Dibujo copiado en el portapapeles.\nUsar fuente: " + session_.Font().FontName +
            " Tamaño: " + std::to_string(session_.Font().FontSize),
        "", MessageIcon::Information);
}

void frmMain::ShowTextPreview() {
    if (textArt_.empty()) return;
    if (!preview_) preview_ = new frmPreview(this);
    preview_->ShowText(AnsiToUnicode(textArt_), session_.QtFont(), ToQColor(foreColor_),
                       ToQColor(backColor_));
}

void frmMain::ApplyTextColors() {
    const QColor back = ToQColor(backColor_), fore = ToQColor(foreColor_);
    QPalette p = txtAscii->palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, fore);
    txtAscii->setPalette(p);
    // Under the window's style sheet a palette change alone neither repaints
    // the box nor survives its next polish; a rule of its own does both, for
    // the whole text at once.
    txtAscii->setStyleSheet(QString("QPlainTextEdit#txtAscii { color: %1; background-color: %2; }")
                                .arg(fore.name(), back.name()));
}

void frmMain::ChooseSwatchColor(ClickLabel* swatch) {
    const ColorValue c = dialogs_.ShowColorDialog();
    if (c == -1) return;
    swatch->SetSwatch(c);
    if (swatch == lblAsciiForeColor) foreColor_ = c;
    if (swatch == lblAsciiBackcolor) backColor_ = c;
    ApplyTextColors();
}

// --- Fonts ---

void frmMain::ChangeFont() {
    const TextFont before = session_.Font();
    FontRequest request;
    request.face = before.FontName.substr(0, 31);
    request.height = DialogHeightForSize(before.FontSize);
    request.points = before.FontSize;
    request.italic = false;
    const FontChoice choice = dialogs_.ChooseFont(request);
    if (!choice.face.empty()) {
        TextFont font;
        font.FontName = choice.face.substr(0, 31);
        // The size picked is the size kept; the height is for dialogs that
        // only give one.
        font.FontSize = choice.points > 0 ? choice.points : SizeForDialogHeight(choice.height);
        session_.ApplyFont(font);  // regular weight; re-measures the glyphs
        txtAscii->setFont(session_.QtFont());
        ShowFontInStatus();
        ComputeColumnCount();
    }
    const TextFont& after = session_.Font();
    if (after.FontName == before.FontName && after.FontSize == before.FontSize) return;
    if (!txtAscii->toPlainText().isEmpty()) AskRegenerate();
}

void frmMain::AskRegenerate() {
    if (dialogs_.AskYesNo("Se ha cambiado la fuente. Para un resultado óptimo es conveniente "
                          "crear de nuevo el AsciiArt\n¿Desea generarlo ahora?"))
        GenerateTextArt(Algorithm::Tonal);
}

void frmMain::TakeFontFace(const std::string& face) {
    const ScreenMetrics m = Screen();
    const FixedFacePick pick =
        TakeFixedFace(session_, face, sldTamaño->value(), m.width, m.twipsPerPixel);
    txtAscii->setFont(session_.QtFont());
    status_->ShowFont(session_.Font().FontName);
    columnCount_ = pick.columnCount;
}

void frmMain::ShowFontInStatus() {
    status_->ShowFont(session_.Font().FontName);
    status_->ShowSize(session_.Font().FontSize);
}

// --- Around ---

void frmMain::ShowAbout() {
    auto* about = new frmAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void frmMain::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    workFolder_.Clean();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Shutdown();
    if (preview_) preview_->close();
    event->accept();
    QApplication::closeAllWindows();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    LoadPictureFile(urls.first().toLocalFile().toStdString());
}

}  // namespace glifora
