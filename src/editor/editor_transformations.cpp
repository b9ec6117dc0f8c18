#include "editor/editor_transformations.h"

#include <array>
#include <utility>

namespace glifora {
namespace {

using Twins = std::array<std::pair<char, char>, 7>;
constexpr Twins kAcross = {
    {{'/', '\\'}, {'(', ')'}, {'<', '>'}, {'[', ']'}, {'{', '}'}, {'b', 'd'}, {'p', 'q'}}};
constexpr std::array<std::pair<char, char>, 3> kUpDown = {{{'/', '\\'}, {'^', 'v'}, {'M', 'W'}}};

template <typename Table>
char Twin(const Table& table, char c) {
    for (const auto& [a, b] : table) {
        if (c == a) return b;
        if (c == b) return a;
    }
    return c;
}

using Snapshot = std::array<std::array<std::string, kLastPaintableRow + 1>, kLastVisibleColumn + 1>;

// Reads the visible cells, clears, and paints cell (x, y) from the cell that
// `source` names, with `swap` applied to its character. Clearing first means
// the canvas shows the whole document again, glyphs hidden by "Borrar" too.
template <typename Source, typename Swap>
void Remap(EditorDocument& document, Source source, Swap swap) {
    Snapshot before;
    for (int x = 1; x <= kLastVisibleColumn; ++x)
        for (int y = 1; y <= kLastPaintableRow; ++y) before[x][y] = document.Cell(x, y);
    document.ClearScreen();
    for (int x = 1; x <= kLastVisibleColumn; ++x) {
        for (int y = 1; y <= kLastPaintableRow; ++y) {
            const auto [sx, sy] = source(x, y);
            std::string text = before[sx][sy];
            if (text.size() == 1) text[0] = swap(text[0]);
            // A space over a cleared space draws nothing.
            if (text == " " && document.Cell(x, y) == " ") continue;
            document.PintarCaracter(x, y, text);
        }
    }
}

void ChangeCase(EditorDocument& document, char first, char last, int shift) {
    for (char c = first; c <= last; ++c)
        document.ReplaceCharacter(std::string(1, c), std::string(1, static_cast<char>(c + shift)));
}

}  // namespace

char MirrorTwinAcross(char c) {
    return Twin(kAcross, c);
}
char MirrorTwinUpDown(char c) {
    return Twin(kUpDown, c);
}

void FlipHorizontal(EditorDocument& document, bool withCharacters) {
    Remap(
        document,
        [](int x, int y) {
            return std::pair{kLastVisibleColumn + 1 - x, y};
        },
        [withCharacters](char c) { return withCharacters ? MirrorTwinAcross(c) : c; });
}

void FlipVertical(EditorDocument& document, bool withCharacters) {
    Remap(
        document,
        [](int x, int y) {
            return std::pair{x, kLastPaintableRow + 1 - y};
        },
        [withCharacters](char c) { return withCharacters ? MirrorTwinUpDown(c) : c; });
}

void UpperToLower(EditorDocument& document) {
    ChangeCase(document, 'A', 'Z', 'a' - 'A');
}
void LowerToUpper(EditorDocument& document) {
    ChangeCase(document, 'a', 'z', 'A' - 'a');
}

}  // namespace glifora
