#include "app/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace glifora {
namespace {

QPixmap Canvas() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap Draw(IconKind kind) {
    QPixmap pm = Canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(30, 40, 90);
    p.setPen(QPen(ink, 2));
    switch (kind) {
        case IconKind::Open:
            p.setBrush(QColor(240, 200, 90));
            p.drawPolygon(QPolygon({{3, 9}, {12, 9}, {15, 12}, {29, 12}, {29, 27}, {3, 27}}));
            break;
        case IconKind::Play:
            p.setBrush(QColor(60, 170, 80));
            p.drawPolygon(QPolygon({{8, 5}, {27, 16}, {8, 27}}));
            break;
        case IconKind::Save:
            p.setBrush(QColor(80, 120, 200));
            p.drawRect(4, 4, 24, 24);
            p.setBrush(Qt::white);
            p.drawRect(9, 4, 14, 9);
            p.drawRect(8, 18, 16, 10);
            break;
        case IconKind::Preview:
            p.setBrush(QColor(220, 230, 250));
            p.drawRect(3, 5, 26, 18);
            p.drawLine(11, 28, 21, 28);
            p.drawLine(16, 23, 16, 28);
            break;
        case IconKind::Font:
        case IconKind::AsciiMode:
        case IconKind::App: {
            QFont f("DejaVu Sans Mono");
            f.setPixelSize(kind == IconKind::Font ? 26 : 14);
            f.setBold(true);
            p.setFont(f);
            if (kind == IconKind::App) {
                p.setBrush(QColor(0, 0, 128));
                p.drawRoundedRect(1, 1, 30, 30, 5, 5);
                p.setPen(Qt::white);
            }
            p.drawText(pm.rect(), Qt::AlignCenter,
                       kind == IconKind::Font  ? "A"
                       : kind == IconKind::App ? "G#"
                                               : "#@");
            break;
        }
        case IconKind::WebMode:
            p.setBrush(QColor(120, 190, 240));
            p.drawEllipse(4, 4, 24, 24);
            p.drawLine(4, 16, 28, 16);
            p.drawEllipse(11, 4, 10, 24);
            break;
        case IconKind::BorderTop:
        case IconKind::BorderBottom:
        case IconKind::BorderRight:
        case IconKind::BorderLeft: {
            p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
            p.drawRect(5, 5, 22, 22);
            p.setPen(QPen(ink, 4));
            if (kind == IconKind::BorderTop) p.drawLine(5, 5, 27, 5);
            if (kind == IconKind::BorderBottom) p.drawLine(5, 27, 27, 27);
            if (kind == IconKind::BorderRight) p.drawLine(27, 5, 27, 27);
            if (kind == IconKind::BorderLeft) p.drawLine(5, 5, 5, 27);
            break;
        }
    }
    return pm;
}

const char* ThemeName(IconKind kind) {
    switch (kind) {
        case IconKind::Open:
            return "document-open";
        case IconKind::Play:
            return "media-playback-start";
        case IconKind::Save:
            return "document-save";
        case IconKind::Preview:
            return "view-fullscreen";
        case IconKind::Font:
            return "preferences-desktop-font";
        default:
            return "";
    }
}

}  // namespace

QIcon ToolIcon(IconKind kind) {
    const QIcon drawn(Draw(kind));
    const char* name = ThemeName(kind);
    return *name ? QIcon::fromTheme(name, drawn) : drawn;
}

}  // namespace glifora
