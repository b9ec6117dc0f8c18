#include "app/frm_preview.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>

namespace glifora {

frmPreview::frmPreview(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("frmPreview");
    setWindowTitle("Glifora");
    txtAscii = new QPlainTextEdit(this);
    txtAscii->setObjectName("txtAscii");
    txtAscii->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtAscii->setReadOnly(true);
}

void frmPreview::ShowText(const QString& text, const QFont& font, const QColor& fore,
                          const QColor& back) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) setGeometry(screen->geometry());
    txtAscii->setFont(font);
    QPalette p = txtAscii->palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, fore);
    txtAscii->setPalette(p);
    txtAscii->setPlainText(text);
    show();
    raise();
}

void frmPreview::keyPressEvent(QKeyEvent* event) {
    // Escape leaves the full-screen view, as it leaves the picture preview.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void frmPreview::resizeEvent(QResizeEvent*) {
    txtAscii->setGeometry(rect());
}

}  // namespace glifora
