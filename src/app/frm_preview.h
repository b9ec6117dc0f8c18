#pragma once
// Full-screen view of the text art, in the text box's font and colours.
// Created on first use and kept; showing it again refreshes the text.

#include <QWidget>

class QPlainTextEdit;

namespace glifora {

class frmPreview : public QWidget {
    Q_OBJECT
  public:
    explicit frmPreview(QWidget* owner);
    void ShowText(const QString& text, const QFont& font, const QColor& fore, const QColor& back);
    QPlainTextEdit* txtAscii = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace glifora
