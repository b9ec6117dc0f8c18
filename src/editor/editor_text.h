#pragma once
// What the editor hands out: the art as text for saving and copying, and the
// notice that tells the user which font shows it as drawn.

#include <string>

#include "editor/editor_document.h"

namespace glifora {

// The art as text: rows 1 to 74 of columns 1 to 100 (a cell never painted
// counts as a blank), trailing blanks of each row and trailing empty rows
// removed, rows joined by CR LF. Empty when the visible grid is blank.
[[nodiscard]] std::string EditorText(const EditorDocument& document);
// What "Guardar..." writes: EditorText followed by CR LF.
[[nodiscard]] std::string EditorSavedContent(const EditorDocument& document);
// The message after a copy to the clipboard, naming the text-art font
// (`face` in UTF-8, `size` in points).
[[nodiscard]] std::string ClipboardNotice(const std::string& face, int size);

}  // namespace glifora
