#include "app/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/ansi.h"

namespace glifora {
namespace {

constexpr char kIniName[] = "GLZ.ini";

// The configuration folder may not exist yet on a first save.
bool MakeParentFolder(const std::string& path) {
    if (path.empty()) return false;
    return QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
}

}  // namespace

std::string IniFilePathIn(const std::string& folder) {
    if (folder.empty()) return {};  // no folder: nothing to write to
    if (folder.ends_with('/')) return folder + kIniName;
    return folder + "/" + kIniName;
}

std::string IniFilePath() {
    return IniFilePathIn(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
}

std::vector<ProfileEntry> SettingsEntries(const SettingsValues& v) {
    const auto n = [](int value) { return std::to_string(value); };
    // Key names are written in the file's code page: the ñ of "Tamaño" is one byte.
    const std::string tamano = Utf8ToAnsi("Tamaño");
    return {
        {"Main", "ColorFondoAscii", n(v.asciiBackColor)},
        {"Main", "ColorTextoAscii", n(v.asciiForeColor)},
        {"Main", tamano + "Ascii", n(v.asciiSize)},
        {"Main", "PaletaAscii", n(v.asciiPalette)},
        {"Main", "LuminosidadAscii", n(v.luminosity)},
        {"Main", "AsciiNegativado", n(v.asciiNegative)},
        {"Main", "PreviewAscii", n(v.asciiPreview)},
        {"Main", "ColorFondoWeb", n(v.webBackColor)},
        {"Main", tamano + "Web", n(v.webSize)},
        {"main", "PaletaWeb", n(v.webPalette)},
        {"Main", "WebCalidad", n(v.webQuality)},
        {"Main", "PreviewWeb", n(v.webPreview)},
        {"Main", "MasDetalleAscii", n(v.asciiDetail)},
        {"Fuente", "Nombre", Utf8ToAnsi(v.font.FontName)},
        {"Fuente", tamano, n(v.font.FontSize)},
    };
}

bool WriteIniValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string path = IniFilePath();
    return MakeParentFolder(path) && WriteProfileString(section, key, value, path);
}

bool SaveSettingsTo(const std::string& path, const SettingsValues& values) {
    return WriteProfileStrings(path, SettingsEntries(values));
}

bool SaveSettings(const SettingsValues& values) {
    const std::string path = IniFilePath();
    return MakeParentFolder(path) && SaveSettingsTo(path, values);
}

}  // namespace glifora
