#include "platform/qt_dialog_texts.h"

#include <QAbstractFileIconProvider>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QSet>
#include <QSplitter>
#include <QStringListModel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

namespace glifora {
namespace {

// Style words as fontconfig and font makers write them, lower case, with the
// feminine Spanish term ("letra negrita", "letra cursiva").
constexpr std::pair<std::string_view, std::string_view> kStyleWords[] = {
    {"regular", "normal"},        {"normal", "normal"},     {"book", "normal"},
    {"plain", "normal"},          {"roman", "redonda"},     {"italic", "cursiva"},
    {"oblique", "oblicua"},       {"slanted", "inclinada"}, {"inclined", "inclinada"},
    {"hairline", "finísima"},     {"thin", "delgada"},      {"light", "fina"},
    {"medium", "media"},          {"demi", "seminegrita"},  {"bold", "negrita"},
    {"black", "negra"},           {"heavy", "gruesa"},      {"condensed", "condensada"},
    {"compressed", "comprimida"}, {"narrow", "estrecha"},   {"expanded", "expandida"},
    {"extended", "extendida"},    {"wide", "ancha"},
};

// Degree prefixes, written joined ("ExtraLight") or apart ("Extra Light").
constexpr std::pair<std::string_view, std::string_view> kStylePrefixes[] = {
    {"semi", "semi"}, {"demi", "semi"}, {"extra", "extra"}, {"ultra", "ultra"}};

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::optional<QString> PlainWord(const QString& lower) {
    for (const auto& [english, spanish] : kStyleWords)
        if (lower == Utf8(english)) return Utf8(spanish);
    return std::nullopt;
}

std::optional<QString> StyleWord(const QString& lower) {
    for (const auto& [english, spanish] : kStylePrefixes) {
        const QString prefix = Utf8(english);
        if (lower.size() <= prefix.size() || !lower.startsWith(prefix)) continue;
        QString rest = lower.mid(prefix.size());
        if (rest.startsWith('-')) rest.remove(0, 1);
        if (const auto word = PlainWord(rest)) return Utf8(spanish) + *word;
    }
    return PlainWord(lower);
}

bool IsPrefix(const QString& lower) {
    return std::any_of(std::begin(kStylePrefixes), std::end(kStylePrefixes),
                       [&](const auto& p) { return lower == Utf8(p.first); });
}

// The width an item view gives `text` as a plain item, margins included.
int ItemTextWidth(const QAbstractItemView* view, const QString& text) {
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = text;
    return view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view).width();
}

// ---------------------------------------------------------------------------
// Font dialog

// Qt lays its font dialog out on a grid: the style caption, field and list
// fill the third column. Null when the dialog is laid out otherwise.
QListView* StyleList(QFontDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    QLayoutItem* item = grid ? grid->itemAtPosition(2, 2) : nullptr;
    auto* list = item ? qobject_cast<QListView*>(item->widget()) : nullptr;
    return list && qobject_cast<QStringListModel*>(list->model()) ? list : nullptr;
}

// The Spanish names of the styles the list holds now, refreshed whenever
// the dialog fills it for another family.
class StyleNames final : public QObject {
  public:
    explicit StyleNames(QStringListModel* model) : QObject(model), model_(model) {
        auto refresh = [this] { Refresh(); };
        connect(model, &QAbstractItemModel::modelReset, this, refresh);
        connect(model, &QAbstractItemModel::rowsInserted, this, refresh);
        connect(model, &QAbstractItemModel::rowsRemoved, this, refresh);
        connect(model, &QAbstractItemModel::dataChanged, this, refresh);
        Refresh();
    }
    [[nodiscard]] QString Shown(const QString& style) const {
        const auto it = shown_.constFind(style);
        return it != shown_.constEnd() ? *it : SpanishFontStyle(style);
    }

  private:
    void Refresh() {
        const QStringList styles = model_->stringList();
        const QStringList spanish = SpanishFontStyles(styles);
        shown_.clear();
        for (qsizetype i = 0; i < styles.size(); ++i) shown_.insert(styles[i], spanish[i]);
    }

    QStringListModel* model_;
    QHash<QString, QString> shown_;
};

// Draws (and measures) each style by its Spanish name; the item itself, which
// the dialog reads back, keeps the database's name.
class StyleDelegate final : public QStyledItemDelegate {
  public:
    StyleDelegate(const StyleNames* names, QObject* parent)
        : QStyledItemDelegate(parent), names_(names) {}
    [[nodiscard]] QString displayText(const QVariant& value, const QLocale& locale) const override {
        if (value.userType() != QMetaType::QString)
            return QStyledItemDelegate::displayText(value, locale);
        return names_->Shown(value.toString());
    }

  private:
    const StyleNames* names_;
};

// ---------------------------------------------------------------------------
// File dialog

// The columns of Qt's file system model.
constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

// Qt's file model writes sizes and dates in the system locale; these are
// the same values in the default one. Folders keep their blank size.
class FileDetails final : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr ||
            (index.column() != kSizeColumn && index.column() != kDateColumn))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (!source.isValid()) return {};
        const QLocale locale;
        if (index.column() == kSizeColumn)
            return files->isDir(source) ? QString() : locale.formattedDataSize(files->size(source));
        return locale.toString(files->lastModified(source), QLocale::ShortFormat);
    }
};

// The longest texts each detail column shows, as the default locale and the
// shared MIME catalogue write them.
QStringList SampleSizes() {
    const QLocale locale;
    QStringList out;
    // 1023 of each unit, plus the most decimals: "1023 bytes", "1023,99 KiB"...
    for (qint64 unit = 1; unit <= (qint64(1) << 40); unit <<= 10)
        out << locale.formattedDataSize(unit * 1023 + unit / 1024 * 1013);
    return out;
}
QStringList SampleDates() {
    const QLocale locale;
    QStringList out;
    for (const QDateTime& when : {QDateTime(QDate(2026, 12, 28), QTime(23, 58)),
                                  QDateTime(QDate(2026, 10, 30), QTime(20, 48))})
        out << locale.toString(when, QLocale::ShortFormat);
    return out;
}
QStringList SampleTypes(const QFileSystemModel* files) {
    QStringList out;
    if (const QAbstractFileIconProvider* icons = files->iconProvider())
        out << icons->type(QFileInfo(QDir::tempPath()));  // a folder
    // The pictures the program opens and the pages and texts it writes.
    const QMimeDatabase mime;
    for (const char* name : {"image/bmp", "image/jpeg", "image/gif", "image/png", "image/wmf",
                             "image/emf", "text/plain", "text/html"}) {
        const QMimeType type = mime.mimeTypeForName(QString::fromLatin1(name));
        if (type.isValid()) out << (type.comment().isEmpty() ? type.name() : type.comment());
    }
    return out;
}

// Sizes the detail columns to their headers and longest values when the
// dialog shows (the style has then polished the fonts), and widens the
// dialog so the columns fit beside the side bar without scrolling.
class DetailsFit final : public QObject {
  public:
    DetailsFit(QFileDialog* dialog, QTreeView* tree) : QObject(dialog), tree_(tree) {
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent())
            Fit(static_cast<QWidget*>(watched));
        return false;
    }

  private:
    void Fit(QWidget* dialog) {
        const QAbstractProxyModel* proxy = static_cast<QFileDialog*>(dialog)->proxyModel();
        const auto* files =
            proxy ? qobject_cast<const QFileSystemModel*>(proxy->sourceModel()) : nullptr;
        if (files == nullptr) return;
        QHeaderView* header = tree_->header();
        const int air = tree_->fontMetrics().averageCharWidth();
        auto fit = [&](int column, const QStringList& samples) {
            int width = header->sectionSizeHint(column);
            for (const QString& s : samples) width = std::max(width, ItemTextWidth(tree_, s) + air);
            if (width > header->sectionSize(column)) header->resizeSection(column, width);
        };
        fit(kSizeColumn, SampleSizes());
        fit(kTypeColumn, SampleTypes(files));
        fit(kDateColumn, SampleDates());

        const int taken = FitSideBar(dialog);

        int need = 0;
        for (int c = 0; c < header->count(); ++c)
            if (!header->isSectionHidden(c)) need += header->sectionSize(c);
        // The room the list has, leaving space for its vertical scroll bar.
        const int have = tree_->width() - taken - 2 * tree_->frameWidth() -
                         tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree_);
        const int missing = need - have;
        if (missing <= 0) return;
        int extra = missing;
        if (const QScreen* screen = dialog->screen())
            extra = std::clamp(
                screen->availableGeometry().width() - dialog->frameGeometry().width(), 0, missing);
        // What a small screen cannot give comes off the names, which Qt
        // makes generous and elides when cut; never below their header.
        if (extra < missing) {
            const int floor =
                std::max(header->sectionSizeHint(0), 12 * tree_->fontMetrics().averageCharWidth());
            header->resizeSection(0, std::max(floor, header->sectionSize(0) - (missing - extra)));
        }
        if (extra > 0) Widen(dialog, extra);
    }

    // Grown about its centre, as the dialog was placed over its owner, but
    // kept on the screen.
    static void Widen(QWidget* dialog, int extra) {
        QRect grown = dialog->geometry().adjusted(-extra / 2, 0, extra - extra / 2, 0);
        if (const QScreen* screen = dialog->screen()) {
            const QRect room = screen->availableGeometry();
            const QRect frame = dialog->frameGeometry();
            const int left = room.left() + (dialog->geometry().left() - frame.left());
            const int right = room.right() - (frame.right() - dialog->geometry().right());
            if (grown.right() > right) grown.translate(right - grown.right(), 0);
            if (grown.left() < left) grown.translate(left - grown.left(), 0);
        }
        dialog->setGeometry(grown);
    }

    // The places on the left (the computer, the user's folder) show whole:
    // the splitter gives the side bar what its longest name needs. Returns
    // the width it took from the file list.
    static int FitSideBar(QWidget* dialog) {
        auto* splitter = dialog->findChild<QSplitter*>("splitter");
        auto* side = dialog->findChild<QListView*>("sidebar");
        if (splitter == nullptr || side == nullptr || splitter->count() != 2 ||
            splitter->widget(0) != side)
            return 0;
        const int need = side->sizeHintForColumn(0) + 2 * side->spacing() + 2 * side->frameWidth() +
                         side->fontMetrics().averageCharWidth() +
                         side->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, side);
        QList<int> sizes = splitter->sizes();
        if (sizes[0] >= need) return 0;
        const int taken = need - sizes[0];
        sizes[1] = std::max(0, sizes[1] - taken);
        sizes[0] = need;
        splitter->setSizes(sizes);
        return taken;
    }

    QTreeView* tree_;
};

}  // namespace

QString SpanishFontStyle(const QString& style) {
    const QStringList words = style.split(' ', Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString lower = words[i].toLower();
        if (i + 1 < words.size() && IsPrefix(lower)) {
            if (const auto joined = StyleWord(lower + words[i + 1].toLower())) {
                out << *joined;
                ++i;
                continue;
            }
        }
        const auto word = StyleWord(lower);
        out << (word ? *word : words[i]);
    }
    QString text = out.join(' ');
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

QStringList SpanishFontStyles(const QStringList& styles) {
    QStringList plain;
    for (const QString& s : styles) plain << SpanishFontStyle(s);
    QStringList out = plain;
    for (qsizetype i = 0; i < styles.size(); ++i)
        if (plain.count(plain[i]) > 1 && plain[i] != styles[i])
            out[i] = plain[i] + " (" + styles[i] + ")";
    return out;
}

void PrepareFontDialog(QFontDialog& dialog) {
    QListView* list = StyleList(dialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    QLayoutItem* fieldItem = list ? grid->itemAtPosition(1, 2) : nullptr;
    auto* field = fieldItem ? qobject_cast<QLineEdit*>(fieldItem->widget()) : nullptr;
    if (field == nullptr || field->focusProxy() != list) return;
    auto* model = qobject_cast<QStringListModel*>(list->model());

    auto* names = new StyleNames(model);
    list->setItemDelegate(new StyleDelegate(names, list));

    // The dialog writes the chosen style's own name into its field; a twin
    // field in its place shows the Spanish name and follows its selection.
    auto* shown = new QLineEdit(&dialog);
    shown->setObjectName("fontStyleShown");
    shown->setReadOnly(true);
    shown->setFocusProxy(list);
    delete grid->replaceWidget(field, shown);
    field->hide();
    auto follow = [names, field, shown] {
        shown->setText(names->Shown(field->text()));
        if (field->hasSelectedText()) shown->selectAll();
    };
    QObject::connect(field, &QLineEdit::textChanged, shown, follow);
    QObject::connect(field, &QLineEdit::selectionChanged, shown, [field, shown] {
        if (field->hasSelectedText())
            shown->selectAll();
        else
            shown->deselect();
    });
    follow();

    // Wide enough for the longest Spanish style of any installed family, so
    // choosing another family never cuts a name.
    QSet<QString> seen;
    int widest = 0;
    for (const QString& family : QFontDatabase::families())
        for (const QString& name : SpanishFontStyles(QFontDatabase::styles(family)))
            if (!seen.contains(name)) {
                seen.insert(name);
                widest = std::max(widest, ItemTextWidth(list, name));
            }
    const int frame = 2 * list->frameWidth() +
                      list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int cap = 40 * list->fontMetrics().averageCharWidth();
    list->setMinimumWidth(std::min(widest + frame, cap));
}

void SelectClosestStyle(QFontDialog& dialog, const QFont& wanted) {
    QListView* list = StyleList(dialog);
    if (list == nullptr || !list->currentIndex().isValid()) return;
    const QString family = dialog.currentFont().family();
    const QStringList styles = qobject_cast<QStringListModel*>(list->model())->stringList();
    // Slant first, then weight; a style that also narrows or widens the
    // letters only when nothing else matches.
    auto distance = [&](const QString& style) {
        const QFont font = QFontDatabase::font(family, style, 12);
        static const QStringList widths = {"condensed", "narrow",   "compressed",
                                           "expanded",  "extended", "wide"};
        const bool width = std::any_of(widths.begin(), widths.end(), [&](const QString& w) {
            return style.contains(w, Qt::CaseInsensitive);
        });
        return (font.italic() != wanted.italic() ? 100000 : 0) +
               10 * std::abs(font.weight() - wanted.weight()) + (width ? 1 : 0);
    };
    int best = list->currentIndex().row();
    int bestDistance = distance(styles.value(best));
    for (int row = 0; row < styles.size(); ++row)
        if (const int d = distance(styles[row]); d < bestDistance) best = row, bestDistance = d;
    if (best != list->currentIndex().row()) list->setCurrentIndex(list->model()->index(best, 0));
}

void PrepareFileDialog(QFileDialog& dialog) {
    auto* tree = dialog.findChild<QTreeView*>("treeView");
    if (tree == nullptr) return;
    // A new model resets the header: keep the widths and hidden columns Qt
    // set up or restored from the user's last dialog.
    const QByteArray columns = tree->header()->saveState();
    dialog.setProxyModel(new FileDetails(&dialog));
    tree->header()->restoreState(columns);
    new DetailsFit(&dialog, tree);
}

}  // namespace glifora
