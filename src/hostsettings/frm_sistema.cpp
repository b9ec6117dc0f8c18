#include "hostsettings/frm_sistema.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <algorithm>

#include "hostsettings/host_settings.h"
#include "platform/ansi.h"
#include "platform/object_names.h"

namespace glifora {
namespace {

QLabel* Icon(QWidget* parent, QStyle::StandardPixmap which, const char* name, int x, int y) {
    auto* label = Named(new QLabel(parent), name);
    label->setPixmap(QApplication::style()->standardIcon(which).pixmap(32, 32));
    label->setGeometry(x, y, 32, 32);
    return label;
}

}  // namespace

frmSistema::frmSistema(ValueStore store, QWidget* parent)
    : QDialog(parent), store_(std::move(store)) {
    setObjectName("frmSistema");
    setWindowTitle(QString::fromUtf8("Configuración de aplicaciones del sistema"));
    setFixedSize(569, 170);  // 8535 x 2550 twips

    imgSistema = Icon(this, QStyle::SP_MessageBoxInformation, "imgSistema", 10, 8);
    lblExplicacion = Named(new QLabel(this), "lblExplicacion");
    lblExplicacion->setGeometry(52, 6, 509, 58);
    lblExplicacion->setWordWrap(true);
    lblExplicacion->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    mrcNotePad = Named(new QGroupBox("NotePad", this), "mrcNotePad");
    mrcNotePad->setGeometry(8, 68, 340, 94);
    imgNotePad = Icon(mrcNotePad, QStyle::SP_FileIcon, "imgNotePad", 10, 26);
    lblNFuente = Named(new QLabel("Fuente:", mrcNotePad), "lblNFuente");
    lblNFuente->setGeometry(52, 20, 100, 20);
    lblNFont = Named(new QLabel(mrcNotePad), "lblNFont");
    lblNFont->setGeometry(156, 20, 176, 20);
    lblNTamaño = Named(new QLabel(QString::fromUtf8("Tamaño:"), mrcNotePad), "lblNTamaño");
    lblNTamaño->setGeometry(52, 44, 100, 20);
    lblNSize = Named(new QLabel(mrcNotePad), "lblNSize");
    lblNSize->setGeometry(156, 44, 176, 20);
    lblNAjuste = Named(new QLabel("Ajuste de linea:", mrcNotePad), "lblNAjuste");
    lblNAjuste->setGeometry(52, 68, 100, 20);
    chkNAjuste = Named(new QCheckBox(mrcNotePad), "chkNAjuste");
    chkNAjuste->setGeometry(156, 68, 20, 20);

    mrcExplorer = Named(new QGroupBox("IExplorer", this), "mrcExplorer");
    mrcExplorer->setGeometry(356, 68, 205, 94);
    imgExplorer = Icon(mrcExplorer, QStyle::SP_DriveNetIcon, "imgExplorer", 10, 26);
    lblETamaño = Named(new QLabel(QString::fromUtf8("Tamaño:"), mrcExplorer), "lblETamaño");
    lblETamaño->setGeometry(52, 20, 140, 20);
    cboESize = Named(new QComboBox(mrcExplorer), "cboESize");
    cboESize->setGeometry(52, 44, 140, 24);
    cboESize->addItems({"Menor", QString::fromUtf8("Pequeña"), "Mediana", "Grande", "Mayor"});
    cboESize->setCurrentIndex(-1);

    // `activated` is the user's choice, the same item included; the load
    // raises the click itself after setting the selection.
    connect(cboESize, &QComboBox::activated, this, [this] { OnSizeClicked(); });
    connect(chkNAjuste, &QCheckBox::clicked, this, [this] { OnWrapClicked(); });

    Load();
    FitExplanation();
}

void frmSistema::FitExplanation() {
    // Every line of the explanation shows: the label takes the height its
    // wrapped text needs, and the frames and the window move down by as much.
    const int grow = std::max(
        0, lblExplicacion->heightForWidth(lblExplicacion->width()) - lblExplicacion->height());
    if (grow == 0) return;
    lblExplicacion->resize(lblExplicacion->width(), lblExplicacion->height() + grow);
    for (QWidget* frame : {static_cast<QWidget*>(mrcNotePad), static_cast<QWidget*>(mrcExplorer)})
        frame->move(frame->x(), frame->y() + grow);
    setFixedSize(width(), height() + grow);
}

void frmSistema::Load() {
    lblExplicacion->setText(QString::fromUtf8(
        "En este panel se muestra la configuración actual del bloc de notas y de Internet "
        "Explorer.\r\nGeneralmente en IE se obtienen mejores resultados con los tamaños de "
        "fuente más pequeños.\r\nLa configuración de ambos programas la puede cambiar "
        "directamente desde aquí."));
    const HostSettingsView view = ReadHostSettings(store_, QLocale().decimalPoint().toStdString());
    ShowWordWrap(view.wordWrap);
    lblNSize->setText(QString::fromStdString(view.pointSize));
    lblNFont->setText(AnsiToUnicode(view.faceName));
    if (view.browserSize) {
        cboESize->setCurrentIndex(*view.browserSize);
        OnSizeClicked();
    }
}

void frmSistema::OnSizeClicked() {
    const int index = cboESize->currentIndex();
    if (index < 0) return;
    // A store that cannot be written is passed over without a word.
    (void)WriteBrowserSize(store_, index);
}

void frmSistema::OnWrapClicked() {
    ShowWordWrap(ReadWordWrap(store_));
}

void frmSistema::ShowWordWrap(std::optional<int> state) {
    // A number the box cannot show keeps what it showed before (a click has
    // toggled it already).
    if (state)
        shownWrap_ = *state == 1 ? Qt::Checked : *state == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
    chkNAjuste->setCheckState(shownWrap_);
}

}  // namespace glifora
