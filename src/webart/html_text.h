#pragma once
// Text written into a page: the characters that HTML reads as markup are
// written as entities, so text art and palette text always show as typed.

#include <string>
#include <string_view>

namespace glifora {

// "&" -> "&amp;", "<" -> "&lt;", ">" -> "&gt;"; every other byte as it is.
[[nodiscard]] std::string EscapeHtmlText(std::string_view text);
// For a double-quoted attribute value: the same, and '"' -> "&quot;".
[[nodiscard]] std::string EscapeHtmlAttribute(std::string_view text);
// The same for one character, appended to `out`.
void AppendEscapedHtml(std::string& out, char c);

}  // namespace glifora
