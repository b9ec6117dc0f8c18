// The text the editor saves and copies.
#include "editor/editor_text.h"

#include <gtest/gtest.h>

namespace glifora {
namespace {

TEST(EditorText, DropsTrailingBlanksAndRows) {
    EditorDocument doc;
    doc.ClearScreen();
    EXPECT_EQ(EditorText(doc), "");
    doc.LoadEditorText("\r\n ab  \r\n\r\nc");
    doc.PintarCaracter(1, 2, "");  // an empty cell inside a row is a blank
    doc.PintarCaracter(100, 6, "");
    doc.PintarCaracter(0, 8, "z");  // off the canvas: not saved
    EXPECT_EQ(EditorText(doc), "\r\n ab\r\n\r\nc");
    EXPECT_EQ(EditorSavedContent(doc), "\r\n ab\r\n\r\nc\r\n");

    doc.ClearScreen();
    doc.LoadEditorText(std::string(100, 'w'));
    doc.PintarCaracter(3, 74, "\xE9");  // é stays one Windows-1252 byte
    const std::string text = EditorText(doc);
    EXPECT_EQ(text.substr(0, 102), std::string(100, 'w') + "\r\n");
    EXPECT_EQ(text.substr(text.size() - 5), "\r\n  \xE9");
}

}  // namespace
}  // namespace glifora
