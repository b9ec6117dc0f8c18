#pragma once
// The saved text-art file: a signature line naming the font, the text art,
// and a final CR LF. Windows-1252 bytes throughout.

#include <string>

namespace glifora {

// Status panel texts in Windows-1252: "Fuente: " + face, "Tamaño: " + size.
[[nodiscard]] std::string FontPanelText(const std::string& faceAnsi);
[[nodiscard]] std::string SizePanelText(int points);

// The whole file for `textArt`, given the two status panel texts.
[[nodiscard]] std::string SavedTextContent(const std::string& fontPanel,
                                           const std::string& sizePanel,
                                           const std::string& textArt);

}  // namespace glifora
