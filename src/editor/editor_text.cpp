#include "editor/editor_text.h"

namespace glifora {

std::string EditorText(const EditorDocument& document) {
    std::string text;
    size_t keep = 0;  // length of the text up to the end of the last row with ink
    for (int y = 1; y <= kLastPaintableRow; ++y) {
        std::string line;
        for (int x = 1; x <= kLastVisibleColumn; ++x) {
            const std::string& cell = document.Cell(x, y);
            line += cell.empty() ? std::string(" ") : cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        if (y > 1) text += "\r\n";
        text += line;
        if (!line.empty()) keep = text.size();
    }
    text.resize(keep);
    return text;
}

std::string EditorSavedContent(const EditorDocument& document) {
    return EditorText(document) + "\r\n";
}

std::string ClipboardNotice(const std::string& face, int size) {
    return "Dibujo copiado en el portapapeles.\nUsar fuente: " + face +
           " Tamaño: " + std::to_string(size);
}

}  // namespace glifora
