#include "platform/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>

#include "platform/qt_dialog_texts.h"

namespace glifora {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QStringList NameFilters(const std::string& filter) {
    QStringList out;
    for (const FilterEntry& e : PrepareFilter(filter)) {
        QStringList patterns;
        for (const std::string& p : e.patterns) patterns << Q(p);
        // An entry without a pattern (the text-art save's "*.txt") lists its
        // description as the pattern, so the files it names still show.
        if (patterns.isEmpty()) patterns << Q(e.description);
        out << Q(e.description) + " (" + patterns.join(' ') + ")";
    }
    return out;
}

QString Title(const std::string& title) {
    return title.empty() ? kProgramName : Q(title);
}

}  // namespace

std::string QtDialogs::ShowOpenDialog(const std::string& filter, const std::string& title,
                                      const std::string& initialFolder) {
    QFileDialog dialog(owner_, Q(title), Q(initialFolder));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(NameFilters(filter));
    PrepareFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().trimmed().toStdString();
}

std::string QtDialogs::ShowSaveDialog(const std::string& filter, const std::string& title,
                                      const std::string& initialFolder,
                                      const std::string& defaultExtension) {
    for (;;) {
        QFileDialog dialog(owner_, Q(title), Q(initialFolder));
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(NameFilters(filter));
        dialog.setDefaultSuffix(Q(defaultExtension));
        PrepareFileDialog(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        const QString path = dialog.selectedFiles().first().trimmed();
        // The overwrite question is the dialog's own; the creation question is ours.
        if (!QFileInfo::exists(path)) {
            const auto answer =
                QMessageBox::question(owner_, Title(title),
                                      QStringLiteral("El archivo %1 no existe.\n¿Desea crearlo?")
                                          .arg(QFileInfo(path).fileName()),
                                      QMessageBox::Yes | QMessageBox::No);
            if (answer != QMessageBox::Yes) continue;
        }
        return path.toStdString();
    }
}

ColorValue QtDialogs::ShowColorDialog() {
    auto& custom = CustomColors();
    for (int i = 0; i < 16; ++i) {
        const ColorValue c = custom[i];
        QColorDialog::setCustomColor(i, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    }
    QColorDialog dialog(owner_);
    dialog.setOption(QColorDialog::DontUseNativeDialog, false);
    if (dialog.exec() != QDialog::Accepted) return -1;
    for (int i = 0; i < 16; ++i) {
        const QColor q = QColorDialog::customColor(i);
        custom[i] = MakeColor(q.red(), q.green(), q.blue());
    }
    const QColor chosen = dialog.selectedColor();
    return MakeColor(chosen.red(), chosen.green(), chosen.blue());
}

std::string QtDialogs::BrowseForFolder() {
    QFileDialog dialog(owner_, QStringLiteral("Seleccione la carpeta donde están los bmp"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    PrepareFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString dir = dialog.selectedFiles().first();
    if (dir.isEmpty()) return {};
    return QDir::cleanPath(dir).toStdString();
}

FontChoice QtDialogs::ChooseFont(const FontRequest& request) {
    QFont initial(Q(request.face));
    // The record's height is a pixel height at 96 dots per inch.
    const int points =
        request.points > 0 ? request.points : static_cast<int>(std::abs(request.height) * 0.75);
    if (points > 0) initial.setPointSize(points);
    initial.setItalic(request.italic);
    QFontDialog dialog(initial, owner_);
    dialog.setOption(QFontDialog::MonospacedFonts, false);
    PrepareFontDialog(dialog);
    SelectClosestStyle(dialog, initial);
    if (dialog.exec() != QDialog::Accepted) return {};
    QFont chosen = dialog.selectedFont();
    int size = chosen.pointSize();
    if (size < request.minPoints) size = request.minPoints;
    if (size > request.maxPoints) size = request.maxPoints;
    FontChoice out;
    out.face = chosen.family().toStdString();
    out.height = -static_cast<int>(std::lround(size * 96.0 / 72.0));
    out.bold = chosen.bold();
    out.italic = chosen.italic();
    out.points = size;
    return out;
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Information, Title(title), Q(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None:
            qicon = QMessageBox::NoIcon;
            break;
        case MessageIcon::Information:
            qicon = QMessageBox::Information;
            break;
        case MessageIcon::Warning:
            qicon = QMessageBox::Warning;
            break;
        case MessageIcon::Stop:
            qicon = QMessageBox::Critical;
            break;
    }
    QMessageBox box(qicon, Title(title), Q(text), QMessageBox::Ok, owner_);
    box.exec();
}

}  // namespace glifora
