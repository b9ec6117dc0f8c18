#include "textart/text_file.h"

namespace glifora {

std::string FontPanelText(const std::string& faceAnsi) {
    return "Fuente: " + faceAnsi;
}

std::string SizePanelText(int points) {
    return "Tama\xF1o: " + std::to_string(points);
}

std::string SavedTextContent(const std::string& fontPanel, const std::string& sizePanel,
                             const std::string& textArt) {
    return "Ascii Art generado por Glifora. " + fontPanel + " " + sizePanel + "\r\n" + textArt +
           "\r\n";
}

}  // namespace glifora
