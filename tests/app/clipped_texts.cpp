#include "app/clipped_texts.h"

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
template <class W>
struct Access : W {
    using W::initStyleOption;
};
struct ViewAccess : QAbstractItemView {
    using QAbstractItemView::initViewItemOption;
};
template <class Option, class W>
Option OptionsOf(W* w) {
    Option opt;
    (w->*&Access<W>::initStyleOption)(&opt);
    return opt;
}

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

double Luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

class Walker {
  public:
    std::vector<std::string> found;

    void Visit(QWidget* w) {
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
        else if (qobject_cast<QToolBar*>(w))
            Toolbar(w);
    }

  private:
    // A toolbar too narrow for its actions hides some behind a button.
    void Toolbar(QWidget* t) {
        const auto* more = t->findChild<QToolButton*>("qt_toolbar_ext_button");
        if (more && more->isVisibleTo(t)) Report(t, t->windowTitle(), "hides actions");
    }
    void Report(const QWidget* w, const QString& text, const QString& problem) {
        found.push_back((Path(w) + ": \"" + text + "\" " + problem).toStdString());
    }
    void Compare(const QWidget* w, const QString& text, QSize need, QSize have) {
        if (need.width() > have.width() || need.height() > have.height())
            Report(w, text, "needs " + SizeText(need) + ", has " + SizeText(have));
    }
    void Wide(const QWidget* w, const QString& text, const char* what, int need, int have) {
        if (need > have)
            Report(w, text, QString("%1needs %2 px, has %3").arg(what).arg(need).arg(have));
    }

    // `area`, in w's coordinates, must lie inside every parent up to the
    // window, and no sibling drawn later may cover it. A caption (`loose`)
    // also needs a little air on its sides to read apart from the control
    // beside it.
    void Placed(const QWidget* w, const QString& text, QRect area, bool loose = false) {
        for (const QWidget* c = w; !c->isWindow() && c->parentWidget(); c = c->parentWidget()) {
            const QWidget* parent = c->parentWidget();
            area.translate(c->pos());
            if (!parent->rect().contains(area))
                return Report(w, text, "reaches outside " + Path(parent));
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
                if (i > own && painted.intersects(area))
                    return Report(w, text, "is covered by " + Path(s));
                if (loose && c == w && s->geometry().intersects(area.adjusted(-kAir, 0, kAir, 0)))
                    return Report(w, text, "touches " + Path(s));
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
        const double a = Luminance(fore), b = Luminance(behind);
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
            const int m = l->margin();
            const QRect cr = l->contentsRect().adjusted(m, m, -m, -m);
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
        if (auto* tool = qobject_cast<QToolButton*>(b)) {
            if (!tool->text().isEmpty() && tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
                Compare(b, b->text(), tool->sizeHint(), tool->size());
            return;
        }
        // A push button centres its caption; check boxes and radio buttons
        // start it at the left, after their indicator.
        QStyleOptionButton opt;
        QStyle::SubElement contents = QStyle::SE_PushButtonContents, indicator = contents;
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            opt = OptionsOf<QStyleOptionButton>(push);
        } else if (auto* check = qobject_cast<QCheckBox*>(b)) {
            opt = OptionsOf<QStyleOptionButton>(check);
            contents = QStyle::SE_CheckBoxContents;
            indicator = QStyle::SE_CheckBoxIndicator;
        } else if (auto* radio = qobject_cast<QRadioButton*>(b)) {
            opt = OptionsOf<QStyleOptionButton>(radio);
            contents = QStyle::SE_RadioButtonContents;
            indicator = QStyle::SE_RadioButtonIndicator;
        } else {
            return;
        }
        const bool caption = indicator != contents;
        QStyle* style = b->style();
        QRect used;
        if (caption) {
            used = style->subElementRect(indicator, &opt, b);
            if (!b->rect().contains(used))
                Report(b, b->text(),
                       QString("cuts its indicator: needs %1 at %2,%3, has %4")
                           .arg(SizeText(used.size()))
                           .arg(used.x())
                           .arg(used.y())
                           .arg(SizeText(b->size())));
        }
        if (!b->text().isEmpty() || !b->icon().isNull()) {
            const QRect area = style->subElementRect(contents, &opt, b);
            QSize need(0, 0);
            if (!b->text().isEmpty())
                need = style
                           ->itemTextRect(b->fontMetrics(), QRect(), Qt::TextShowMnemonic, false,
                                          b->text())
                           .size();
            if (!b->icon().isNull())
                need = QSize(need.width() + opt.iconSize.width() + (need.width() ? 4 : 0),
                             std::max(need.height(), opt.iconSize.height()));
            Compare(b, b->text(), need, area.size());
            if (caption && !b->text().isEmpty()) Readable(b, b->text());
            const Qt::Alignment align =
                caption ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
            used |=
                QStyle::alignedRect(b->layoutDirection(), align, need.boundedTo(area.size()), area);
        }
        if (!used.isEmpty()) Placed(b, b->text(), used, caption);
    }

    void Group(QGroupBox* g) {
        if (g->title().isEmpty()) return;
        const auto opt = OptionsOf<QStyleOptionGroupBox>(g);
        const auto part = [&](QStyle::SubControl sc) {
            return g->style()->subControlRect(QStyle::CC_GroupBox, &opt, sc, g);
        };
        const QRect title = part(QStyle::SC_GroupBoxLabel) |
                            (g->isCheckable() ? part(QStyle::SC_GroupBoxCheckBox) : QRect());
        if (!g->rect().contains(title))
            Report(g, g->title(),
                   QString("title needs %1 px, has %2").arg(title.right() + 1).arg(g->width()));
        Placed(g, g->title(), g->rect());
    }

    // Each item and header text must fit its column without scrolling.
    void View(QAbstractItemView* v) {
        const QAbstractItemModel* model = v->model();
        auto* tree = qobject_cast<QTreeView*>(v);
        if (!model || (!tree && !qobject_cast<QListView*>(v))) return;
        QStyleOptionViewItem opt;
        (v->*&ViewAccess::initViewItemOption)(&opt);
        const int viewport = v->viewport()->width();
        QHeaderView* header = tree ? tree->header() : nullptr;
        Placed(v, v->objectName(), v->rect());
        for (int c = 0; c < (tree ? model->columnCount() : 1); ++c) {
            if (tree && tree->isColumnHidden(c)) continue;
            const int start = header ? header->sectionPosition(c) : 0;
            const int have = std::min(header ? header->sectionSize(c) : viewport, viewport - start);
            if (header && !header->isHidden())
                Wide(v, model->headerData(c, Qt::Horizontal).toString(), "header ",
                     header->sectionSizeHint(c), have);
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
            Wide(v, index.data().toString(), "item ",
                 indent + v->itemDelegateForIndex(index)->sizeHint(opt, index).width(), have);
            if (tree && column == 0 && tree->isExpanded(index))
                Items(v, tree, index, column, depth + 1, opt, have);
        }
    }

    void Combo(QComboBox* c) {
        const auto opt = OptionsOf<QStyleOptionComboBox>(c);
        const QRect field =
            c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        for (int i = 0; i < c->count(); ++i) {
            const int icon = c->itemIcon(i).isNull() ? 0 : c->iconSize().width() + 4;
            Wide(c, c->itemText(i), "",
                 c->fontMetrics().horizontalAdvance(c->itemText(i)) + icon + kAir, field.width());
        }
        Placed(c, c->currentText(), c->rect());
    }
};

}  // namespace

std::vector<std::string> ClippedTexts(QWidget* root) {
    Walker walker;
    walker.Visit(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->isVisibleTo(root)) walker.Visit(w);
    return std::move(walker.found);
}

}  // namespace glifora::test
