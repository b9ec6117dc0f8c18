#pragma once
// The settings file "GLZ.ini": the conversion settings of the main window and
// the text-art font, written on demand (the hidden button cmd1) and never read
// back; start-up always begins from the fixed defaults.

#include <Qt>
#include <string>
#include <vector>

#include "platform/profile_file.h"
#include "platform/raster.h"
#include "platform/text_font.h"

namespace glifora {

// The state of the main window's controls that the file records, as the file
// writes it. Check boxes hold 0 unticked, 1 ticked, 2 greyed (CheckBoxValue).
struct SettingsValues {
    ColorValue asciiBackColor = 16777215;  // lblAsciiBackcolor
    ColorValue asciiForeColor = 0;         // lblAsciiForeColor
    int asciiSize = 50;                    // sldTamaño
    int asciiPalette = 0;                  // cboPaletas, -1 when nothing is selected
    int luminosity = 0;                    // sldLuminosidad
    int asciiNegative = 0;                 // chkAsciiNegativo
    int asciiPreview = 0;                  // chkAsciiPrev
    ColorValue webBackColor = 0;           // lblWebBackColor
    int webSize = 3;                       // sldWTamaño
    int webPalette = 0;                    // cboPaletaWeb, -1 when nothing is selected
    int webQuality = 0;                    // chkWebCalidad
    int webPreview = 0;                    // chkWebArtPrev
    int asciiDetail = 0;                   // chkMasDetalle
    TextFont font;                         // the current text-art font, not a control
};

// A check box's state as the file writes it. Qt numbers the greyed state 1
// and the ticked state 2; the file has them the other way round.
[[nodiscard]] constexpr int CheckBoxValue(Qt::CheckState state) {
    switch (state) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

// "GLZ.ini" in `folder`: a folder path that already ends in a separator gets
// the name directly, any other one a separator first.
[[nodiscard]] std::string IniFilePathIn(const std::string& folder);
// The settings file in the per-user configuration folder.
[[nodiscard]] std::string IniFilePath();

// The fourteen entries in the order they are written ("PaletaWeb" under
// "main", which matches the "Main" section whatever its case).
[[nodiscard]] std::vector<ProfileEntry> SettingsEntries(const SettingsValues& values);

// Writes one key into the settings file (Windows-1252 texts), creating its
// folder when missing. True when it was written.
[[nodiscard]] bool WriteIniValue(std::string_view section, std::string_view key,
                                 std::string_view value);

// The save-settings command: all fourteen keys into the file at `path`, in
// table order, every other line of the file kept. The file is replaced in one
// step once every key is in place, so a failure leaves it as it was.
[[nodiscard]] bool SaveSettingsTo(const std::string& path, const SettingsValues& values);
// The same into IniFilePath(), creating its folder when missing.
[[nodiscard]] bool SaveSettings(const SettingsValues& values);

}  // namespace glifora
