#include "app/status_panel.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include "platform/ansi.h"
#include "platform/object_names.h"
#include "textart/text_file.h"

namespace glifora {

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("statusPanel");
    SBMain = Named(new QStatusBar(this), "SBMain");
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
    prgBar1 = Named(new QProgressBar(this), "prgBar1");
    prgBar1->setRange(0, 100);
    prgBar1->hide();
}

void StatusPanel::resizeEvent(QResizeEvent*) {
    SBMain->setGeometry(rect());
    prgBar1->setGeometry(rect());
}

void StatusPanel::ShowFont(const std::string& face) {
    panels_[0]->setText(AnsiToUnicode(FontPanelText(Utf8ToAnsi(face))));
}

void StatusPanel::ShowSize(int points) {
    panels_[1]->setText(AnsiToUnicode(SizePanelText(points)));
}

void StatusPanel::ShowMode(bool ascii) {
    panels_[3]->setText(ascii ? "MODO ASCIIART" : "MODO WEBART");
}

QString StatusPanel::Text(const QString& key) const {
    for (QLabel* panel : panels_)
        if (panel->objectName() == key) return panel->text();
    return {};
}

}  // namespace glifora
