#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace glifora {

namespace {

// Qt's Spanish catalogue spells the modifiers out ("Control+Z",
// "Mayúsculas+S"); the program's help and Spanish keyboards write the short
// names "Ctrl+Z" and "Mayús+S". Installed after the catalogue, so it is
// asked first and answers only those texts.
class ShortcutNames final : public QTranslator {
  public:
    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char* context, const char* source,
                                    const char* /*disambiguation*/, int /*n*/) const override {
        if (qstrcmp(context, "QShortcut") != 0) return {};
        if (qstrcmp(source, "Ctrl") == 0) return QStringLiteral("Ctrl");
        if (qstrcmp(source, "Shift") == 0) return QStringLiteral("Mayús");
        return {};
    }
};

}  // namespace

bool InstallSpanish() {
    static bool installed = false;
    static bool found = false;
    if (installed) return found;
    installed = true;
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(spanish);
    // Owned for the life of the program: the application keeps pointers.
    auto* qtbase = new QTranslator(QCoreApplication::instance());
    found =
        qtbase->load(spanish, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (found) QCoreApplication::installTranslator(qtbase);
    QCoreApplication::installTranslator(new ShortcutNames);
    return found;
}

}  // namespace glifora
