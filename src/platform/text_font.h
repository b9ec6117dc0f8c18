#pragma once
// The text-art font: one face and size for the glyph scan, the text box and
// the preview. Always regular weight.

#include <string>

namespace glifora {

struct TextFont {
    std::string FontName = "Lucida Console";  // UTF-8 face name
    int FontSize = 6;                         // whole points
};

// The font dialog works in pixel heights at 96 dots per inch: a size opens the
// dialog at round(size x 1.335), and a returned height h gives trunc(|h| x 0.75).
[[nodiscard]] int DialogHeightForSize(int points);
[[nodiscard]] int SizeForDialogHeight(int height);

}  // namespace glifora
