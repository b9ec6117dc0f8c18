#pragma once
// Finds the texts a window cannot show in full: measured with the widget's
// own font and style against the place the widget gives them. Widgets hidden
// inside `root` are passed over; show the state to be checked first.

#include <string>
#include <vector>

class QWidget;

namespace glifora::test {

// One line per clipped text: the widget's path, the text, what it needs and
// what it has. Checked: label texts (wrapped labels by height), push button,
// check box and radio button captions with their indicators, group box
// titles, every item and header text of list and tree views, combo box items,
// toolbars that hide actions behind their overflow button, and any of these
// reaching outside a parent or covered by a sibling drawn above it. Label
// and check box texts must also stand out from the colour behind them.
[[nodiscard]] std::vector<std::string> ClippedTexts(QWidget* root);

}  // namespace glifora::test
