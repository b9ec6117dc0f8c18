#include "app/clipped_texts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSizeGrip>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <cmath>

namespace glifora::test {
namespace {

// The widgets fill their style options in protected members; these expose
// them as member pointers, which may be called on any object of the base.
struct PushAccess : QPushButton {
    using QPushButton::initStyleOption;
};
struct CheckAccess : QCheckBox {
    using QCheckBox::initStyleOption;
};
struct RadioAccess : QRadioButton {
    using QRadioButton::initStyleOption;
};
struct GroupAccess : QGroupBox {
    using QGroupBox::initStyleOption;
};
struct ComboAccess : QComboBox {
    using QComboBox::initStyleOption;
};
struct ViewAccess : QAbstractItemView {
    using QAbstractItemView::initViewItemOption;
};

constexpr int kAir = 2;  // pixels

QString Path(const QWidget* w) {
    QStringList parts;
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
        parts.prepend(w->objectName().isEmpty() ? QString(w->metaObject()->className())
                                                : w->objectName());
    return parts.join('/');
}

QString SizeText(QSize s) {
    return QString("%1x%2").arg(s.width()).arg(s.height());
}

class Walker {
  public:
    explicit Walker(QWidget* root) : root_(root) {}

    std::vector<std::string> Run() {
        QList<QWidget*> all = root_->findChildren<QWidget*>();
        all.prepend(root_);
        for (QWidget* w : all) {
            if (w != root_ && !w->isVisibleTo(root_)) continue;
            if (auto* label = qobject_cast<QLabel*>(w))
                Label(label);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                Button(button);
            else if (auto* group = qobject_cast<QGroupBox*>(w))
                Group(group);
            else if (auto* view = qobject_cast<QAbstractItemView*>(w))
                View(view);
            else if (auto* combo = qobject_cast<QComboBox*>(w))
                Combo(combo);
            else if (auto* bar = qobject_cast<QToolBar*>(w))
                Toolbar(bar);
        }
        return std::move(found_);
    }

  private:
    void Report(const QWidget* w, const QString& text, const QString& problem) {
        found_.push_back((Path(w) + ": \"" + text + "\" " + problem).toStdString());
    }
    void Compare(const QWidget* w, const QString& text, QSize need, QSize have) {
        if (need.width() > have.width() || need.height() > have.height())
            Report(w, text, "needs " + SizeText(need) + ", has " + SizeText(have));
    }

    // `area`, in w's coordinates, must lie inside every parent up to the
    // window, and no sibling drawn later may cover it. A caption (`loose`)
    // also needs a little air on its sides to read apart from the control
    // beside it.
    void Placed(const QWidget* w, const QString& text, QRect area, bool loose = false) {
        for (const QWidget* c = w; !c->isWindow() && c->parentWidget(); c = c->parentWidget()) {
            const QWidget* parent = c->parentWidget();
            area.translate(c->pos());
            if (!parent->rect().contains(area)) {
                Report(w, text, "reaches outside " + Path(parent));
                return;
            }
            // Drawn later is drawn above.
            const QObjectList& siblings = parent->children();
            const qsizetype own = siblings.indexOf(c);
            for (qsizetype i = 0; i < siblings.size(); ++i) {
                const auto* s = qobject_cast<const QWidget*>(siblings[i]);
                if (i == own || !s || s->isWindow() || !s->isVisibleTo(parent)) continue;
                // A window's size grip paints a few dots in the lower right of
                // its square only; a neighbouring text box grazing its upper
                // left (Qt's font dialog, "Cancelar") loses nothing.
                const QRect painted =
                    qobject_cast<const QSizeGrip*>(s)
                        ? s->geometry().adjusted(s->width() / 2, s->height() / 2, 0, 0)
                        : s->geometry();
                if (i > own && painted.intersects(area)) {
                    Report(w, text, "is covered by " + Path(s));
                    return;
                }
                if (loose && c == w && s->geometry().intersects(area.adjusted(-kAir, 0, kAir, 0))) {
                    Report(w, text, "touches " + Path(s));
                    return;
                }
            }
        }
    }

    // The text colour against the colour painted behind the widget: that of
    // the nearest widget filling its own background. Disabled texts are
    // meant to read faintly and are passed over.
    void Readable(const QWidget* w, const QString& text) {
        if (!w->isEnabled()) return;
        const QWidget* back = w;
        while (!back->autoFillBackground() && !back->isWindow()) back = back->parentWidget();
        const QColor fore = w->palette().color(w->foregroundRole());
        const QColor behind = back->palette().color(back->backgroundRole());
        auto luminance = [](const QColor& c) {
            auto channel = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
                   0.0722 * channel(c.blueF());
        };
        const double a = luminance(fore), b = luminance(behind);
        const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        if (ratio < 3)
            Report(w, text,
                   QString("reads %1 on %2 behind it (contrast %3)")
                       .arg(fore.name(), behind.name())
                       .arg(ratio, 0, 'f', 1));
    }

    void Label(QLabel* l) {
        if (l->text().isEmpty() || !l->pixmap().isNull()) return;
        Readable(l, l->text());
        QSize need = l->sizeHint();
        if (l->wordWrap()) {
            // Wrapped: every line within the width (a word longer than the
            // line is not broken), all the lines within the height.
            QRect cr = l->contentsRect();
            const int m = l->margin();
            cr.adjust(m, m, -m, -m);
            const QRect lines =
                l->fontMetrics().boundingRect(QRect(0, 0, cr.width(), 1 << 20),
                                              int(l->alignment()) | Qt::TextWordWrap, l->text());
            need = QSize(lines.width() + l->width() - cr.width(), l->heightForWidth(l->width()));
        }
        Compare(l, l->text(), need, l->size());
        Placed(l, l->text(),
               QStyle::alignedRect(l->layoutDirection(), l->alignment(), need.boundedTo(l->size()),
                                   l->rect()),
               true);
    }

    void Button(QAbstractButton* b) {
        QStyleOptionButton opt;
        QStyle::SubElement contents, indicator;
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            (push->*&PushAccess::initStyleOption)(&opt);
            contents = indicator = QStyle::SE_PushButtonContents;
        } else if (auto* check = qobject_cast<QCheckBox*>(b)) {
            (check->*&CheckAccess::initStyleOption)(&opt);
            contents = QStyle::SE_CheckBoxContents;
            indicator = QStyle::SE_CheckBoxIndicator;
        } else if (auto* radio = qobject_cast<QRadioButton*>(b)) {
            (radio->*&RadioAccess::initStyleOption)(&opt);
            contents = QStyle::SE_RadioButtonContents;
            indicator = QStyle::SE_RadioButtonIndicator;
        } else {
            auto* tool = qobject_cast<QToolButton*>(b);
            if (tool && !tool->text().isEmpty() &&
                tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
                Compare(b, b->text(), tool->sizeHint(), tool->size());
            return;
        }
        QStyle* style = b->style();
        QRect used;
        if (indicator != contents) {
            used = style->subElementRect(indicator, &opt, b);
            if (!b->rect().contains(used))
                Report(b, b->text(),
                       "cuts its indicator: needs " + SizeText(used.size()) + " at " +
                           QString::number(used.x()) + "," + QString::number(used.y()) + ", has " +
                           SizeText(b->size()));
        }
        if (!b->text().isEmpty() || !b->icon().isNull()) {
            const QRect area = style->subElementRect(contents, &opt, b);
            QSize need = b->text().isEmpty()
                             ? QSize(0, 0)
                             : style
                                   ->itemTextRect(b->fontMetrics(), QRect(), Qt::TextShowMnemonic,
                                                  false, b->text())
                                   .size();
            if (!b->icon().isNull())
                need = QSize(need.width() + opt.iconSize.width() + (need.width() ? 4 : 0),
                             std::max(need.height(), opt.iconSize.height()));
            Compare(b, b->text(), need, area.size());
            if (indicator != contents && !b->text().isEmpty()) Readable(b, b->text());
            // A push button centres its caption; the others start it at the left.
            const Qt::Alignment align =
                indicator == contents ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
            used |=
                QStyle::alignedRect(b->layoutDirection(), align, need.boundedTo(area.size()), area);
        }
        if (!used.isEmpty()) Placed(b, b->text(), used, indicator != contents);
    }

    void Group(QGroupBox* g) {
        if (g->title().isEmpty()) return;
        QStyleOptionGroupBox opt;
        (g->*&GroupAccess::initStyleOption)(&opt);
        QRect title =
            g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        if (g->isCheckable())
            title |= g->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                QStyle::SC_GroupBoxCheckBox, g);
        if (!g->rect().contains(title))
            Report(g, g->title(),
                   "title needs " + QString::number(title.right() + 1) + " px, has " +
                       QString::number(g->width()));
        Placed(g, g->title(), g->rect());
    }

    // Each item and header text must fit its column without scrolling.
    void View(QAbstractItemView* v) {
        const QAbstractItemModel* model = v->model();
        if (!model) return;
        auto* tree = qobject_cast<QTreeView*>(v);
        if (!tree && !qobject_cast<QListView*>(v)) return;
        QStyleOptionViewItem opt;
        (v->*&ViewAccess::initViewItemOption)(&opt);
        const int viewport = v->viewport()->width();
        QHeaderView* header = tree ? tree->header() : nullptr;
        Placed(v, v->objectName(), v->rect());
        for (int c = 0; c < (tree ? model->columnCount() : 1); ++c) {
            if (tree && tree->isColumnHidden(c)) continue;
            const int start = header ? header->sectionPosition(c) : 0;
            const int have = std::min(header ? header->sectionSize(c) : viewport, viewport - start);
            if (header && !header->isHidden()) {
                const int need = header->sectionSizeHint(c);
                if (need > have)
                    Report(v, model->headerData(c, Qt::Horizontal).toString(),
                           "header needs " + QString::number(need) + " px, has " +
                               QString::number(have));
            }
            Items(v, tree, QModelIndex(), c, 0, opt, have);
        }
    }
    void Items(QAbstractItemView* v, QTreeView* tree, const QModelIndex& parent, int column,
               int depth, const QStyleOptionViewItem& opt, int have) {
        const QAbstractItemModel* model = v->model();
        const int indent = tree && column == 0
                               ? tree->indentation() * (depth + (tree->rootIsDecorated() ? 1 : 0))
                               : 0;
        for (int r = 0; r < model->rowCount(parent); ++r) {
            const QModelIndex index = model->index(r, column, parent);
            const int need = indent + v->itemDelegateForIndex(index)->sizeHint(opt, index).width();
            if (need > have)
                Report(v, index.data().toString(),
                       "item needs " + QString::number(need) + " px, has " + QString::number(have));
            if (tree && column == 0 && tree->isExpanded(index))
                Items(v, tree, index, column, depth + 1, opt, have);
        }
    }

    void Combo(QComboBox* c) {
        QStyleOptionComboBox opt;
        (c->*&ComboAccess::initStyleOption)(&opt);
        const QRect field =
            c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        for (int i = 0; i < c->count(); ++i) {
            int need = c->fontMetrics().horizontalAdvance(c->itemText(i));
            if (!c->itemIcon(i).isNull()) need += c->iconSize().width() + 4;
            if (need + kAir > field.width())
                Report(c, c->itemText(i),
                       "needs " + QString::number(need) + " px, has " +
                           QString::number(field.width()));
        }
        Placed(c, c->currentText(), c->rect());
    }

    void Toolbar(QToolBar* t) {
        const auto* more = t->findChild<QToolButton*>("qt_toolbar_ext_button");
        if (more && more->isVisibleTo(t)) Report(t, t->windowTitle(), "hides actions");
    }

    QWidget* root_;
    std::vector<std::string> found_;
};

}  // namespace

std::vector<std::string> ClippedTexts(QWidget* root) {
    return Walker(root).Run();
}

}  // namespace glifora::test
