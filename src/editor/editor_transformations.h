#pragma once
// Commands that act on the whole editor document: mirrors and case changes.

#include <string>

#include "editor/editor_document.h"

namespace glifora {

// Left-right mirror of the cells the user sees: column x of rows 1 to 74 goes
// to column 101 - x. With `withCharacters`, characters that have a mirror twin
// across ("/" and "\", "(" and ")", "b" and "d", ...) become that twin. The
// canvas is cleared and repainted from the document.
void FlipHorizontal(EditorDocument& document, bool withCharacters);
// Top-bottom mirror: row y of columns 1 to 100 goes to row 75 - y; with
// `withCharacters`, "/" and "\", "^" and "v", "M" and "W" swap.
void FlipVertical(EditorDocument& document, bool withCharacters);

// The mirror twin of a character, or the character itself.
[[nodiscard]] char MirrorTwinAcross(char c);
[[nodiscard]] char MirrorTwinUpDown(char c);

// "A" to "Z" become "a" to "z"; nothing else changes.
void UpperToLower(EditorDocument& document);
// "a" to "z" become "A" to "Z".
void LowerToUpper(EditorDocument& document);

}  // namespace glifora
