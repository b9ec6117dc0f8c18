#pragma once
// Small widgets the windows share: a label that can be clicked, a colour
// swatch, and the box that shows a Raster at its pixel size.

#include <QLabel>
#include <QWidget>

class QFrame;
class QSlider;

#include "platform/raster.h"

namespace glifora {

class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);
    // A label drawn as a filled colour swatch.
    void SetSwatch(ColorValue color);
    [[nodiscard]] ColorValue Swatch() const { return swatch_; }
  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ColorValue swatch_ = -1;
};

// Shows a raster at its own size (automatic sizing); what lies outside the
// parent is clipped by the parent.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);
    // The raster must outlive the box or be replaced before it goes.
    void Show(const Raster* raster);
    // Repaints now, so a long operation shows its progress.
    void RepaintNow();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Raster* raster_ = nullptr;
};

[[nodiscard]] QColor ToQColor(ColorValue c);

// The fixed layout's building blocks: a caption at a place (its own width
// unless given), a settings frame, and a ticked horizontal slider.
QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w = 0, int h = 16);
QFrame* SettingsFrame(QWidget* parent, const char* name, const QRect& geometry);
QSlider* TickSlider(QWidget* parent, const char* name, int lo, int hi, int value,
                    const QRect& geometry);

}  // namespace glifora
