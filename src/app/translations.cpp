#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace glifora {

namespace {

// Installed after Qt's catalogue, so it is asked first; it answers only the
// texts below. Qt's Spanish catalogue spells the modifiers out ("Control+Z",
// "Mayúsculas+S"); the program's help and Spanish keyboards write the short
// names "Ctrl+Z" and "Mayús+S". And the catalogue has no entry for the file
// kinds the file dialog lists ("Folder"), named since Qt 6 by the icon
// provider.
class OwnTexts final : public QTranslator {
  public:
    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char* context, const char* source,
                                    const char* /*disambiguation*/, int /*n*/) const override {
        struct Text {
            const char* context;
            const char* source;
            const char* spanish;
        };
        static constexpr Text kTexts[] = {
            {"QShortcut", "Ctrl", "Ctrl"},
            {"QShortcut", "Shift", "Mayús"},
            {"QAbstractFileIconProvider", "Folder", "Carpeta"},
            {"QAbstractFileIconProvider", "File Folder", "Carpeta de archivos"},
            {"QAbstractFileIconProvider", "Drive", "Unidad"},
            {"QAbstractFileIconProvider", "File", "Archivo"},
        };
        for (const Text& t : kTexts)
            if (qstrcmp(context, t.context) == 0 && qstrcmp(source, t.source) == 0)
                return QString::fromUtf8(t.spanish);
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
    QCoreApplication::installTranslator(new OwnTexts);
    return found;
}

}  // namespace glifora
