// The filters, the editor, the fixed-font list, the settings file and the
// host settings panel, as the main window reaches them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include "app/frm_main.h"
#include "app/settings_file.h"
#include "app/widgets.h"
#include "editor/frm_editor.h"
#include "filters/effect_menu.h"
#include "filters/flips_mirrors.h"
#include "filters/frm_efect_config.h"
#include "fonts/frm_fonts.h"
#include "hostsettings/frm_sistema.h"
#include "hostsettings/value_store.h"

namespace glifora {

void frmMain::ApplyMenuEffect(int code, int parameter) {
    (void)engine_.ApplyEffect(code, picture_.DisplayedForRun(), parameter, filterProgress_);
}

void frmMain::BuildImageMenus() {
    efectConfig_ = new frmEfectConfig(*this, engine_, this);
    engine_.SetStrengthDialog(efectConfig_);
    QMenu* imagen = Menu("mnuImagen");
    QAction* before = imagen->actions().isEmpty() ? nullptr : imagen->actions().first();
    std::function<void(QMenu*, const ImageMenuItem&)> add = [&](QMenu* parent,
                                                                const ImageMenuItem& item) {
        const QString caption = QString::fromStdString(item.caption);
        QString name = QString::fromStdString(item.name);
        if (item.index > 0) name += QString::number(item.index);
        if (item.kind == ImageMenuItem::Kind::Submenu) {
            auto* menu = new QMenu(caption, parent ? static_cast<QWidget*>(parent) : imagen);
            menu->setObjectName(name);
            if (parent)
                parent->addMenu(menu);
            else
                imagen->insertMenu(before, menu);
            for (const ImageMenuItem& child : item.children) add(menu, child);
            return;
        }
        QAction* action = parent->addAction(caption);
        action->setObjectName(name);
        if (item.kind == ImageMenuItem::Kind::Effect) {
            const int code = item.code, parameter = item.parameter;
            connect(action, &QAction::triggered, this,
                    [this, code, parameter] { ApplyMenuEffect(code, parameter); });
        } else {
            const GeometricOp op = item.op;
            connect(action, &QAction::triggered, this, [this, op] { ApplyGeometric(op, *this); });
        }
    };
    for (const ImageMenuItem& item : ImageMenuModel()) add(nullptr, item);
}

void frmMain::OpenEditor() {
    if (!editor_) editor_ = new frmEditor(dialogs_, editorDocument_, session_.Font(), this);
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
    editor_->LoadEditorText(textArt_);
}

void frmMain::OpenFixedFonts() {
    if (!fonts_)
        fonts_ = new frmFonts([this](const std::string& face) { TakeFontFace(face); }, this);
    fonts_->show();
    fonts_->raise();
    fonts_->activateWindow();
}

void frmMain::SaveSettingsFile() {
    SettingsValues v;
    v.asciiBackColor = lblAsciiBackcolor->Swatch();
    v.asciiForeColor = lblAsciiForeColor->Swatch();
    v.asciiSize = sldTamaño->value();
    v.asciiPalette = cboPaletas->currentIndex();
    v.luminosity = sldLuminosidad->value();
    v.asciiNegative = CheckBoxValue(chkAsciiNegativo->checkState());
    v.asciiPreview = CheckBoxValue(chkAsciiPrev->checkState());
    v.webBackColor = lblWebBackColor->Swatch();
    v.webSize = sldWTamaño->value();
    v.webPalette = cboPaletaWeb->currentIndex();
    v.webQuality = CheckBoxValue(chkWebCalidad->checkState());
    v.webPreview = CheckBoxValue(chkWebArtPrev->checkState());
    v.asciiDetail = CheckBoxValue(chkMasDetalle->checkState());
    v.font = session_.Font();
    (void)SaveSettings(v);  // a failed write shows nothing, as the command always did
}

void frmMain::OpenHostSettings() {
    frmSistema panel(ValueStore(DefaultValueStorePath()), this);
    panel.exec();
}

}  // namespace glifora
