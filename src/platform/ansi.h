#pragma once
// Text is held as bytes of the Windows-1252 code page, the Western code page
// the program writes its files in. These two functions are the only place
// where that text meets Unicode (display, drawing, clipboard, user input).

#include <QString>
#include <string>
#include <string_view>

namespace glifora {

[[nodiscard]] QString AnsiToUnicode(std::string_view bytes);
// Characters the code page lacks become "?".
[[nodiscard]] std::string UnicodeToAnsi(const QString& text);
// The same for UTF-8 input (command-line arguments, literals in the source).
[[nodiscard]] std::string Utf8ToAnsi(std::string_view utf8);
[[nodiscard]] std::string AnsiToUtf8(std::string_view bytes);

// Written in the head of every page, which holds these bytes: without it a
// browser guesses the code page from the text and may show another script.
inline constexpr std::string_view kAnsiCharsetMeta = "<meta charset=\"windows-1252\">";

}  // namespace glifora
