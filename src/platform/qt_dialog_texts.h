#pragma once
// Spanish, whole texts in the parts of Qt's own file and font dialogs that
// its catalogues do not reach: the style names the font database reports
// (in English, as fontconfig spells them) and the sizes and dates of the
// file list (in the process's system locale, which may be C). Only what the
// dialogs show changes; what they look up and return stays Qt's. And the
// font dialog opens on the style asked for.

#include <QString>
#include <QStringList>

class QFileDialog;
class QFont;
class QFontDialog;

namespace glifora {

// "Bold Oblique" -> "Negrita oblicua": word by word, compounds such as
// "ExtraLight" or "Semi Condensed" as one word, words it does not know kept
// as they are; the first letter upper case, the rest as Spanish writes them.
[[nodiscard]] QString SpanishFontStyle(const QString& style);

// The Spanish names of one family's styles, in order. Two styles that would
// read the same ("Book" and "Regular" both "Normal") keep their own name in
// brackets, so every entry of the list stays distinct.
[[nodiscard]] QStringList SpanishFontStyles(const QStringList& styles);

// Shows the style list of Qt's font dialog, and the field above it, in
// Spanish. The list keeps the database's names as its items, because the
// dialog asks the database by them: the font it returns does not change.
// A dialog whose layout is not the one expected is left as it is.
void PrepareFontDialog(QFontDialog& dialog);

// Qt's dialog, opened on a family's regular face, selects the first style
// the database lists when none is called "Normal" or "Regular": for DejaVu
// Sans that is "Oblique", and accepting the dialog untouched returns a
// slanted font. Selects instead the style closest to `wanted`: same slant,
// nearest weight, normal width. Call after the dialog was given `wanted`.
void SelectClosestStyle(QFontDialog& dialog, const QFont& wanted);

// Shows the sizes and dates of the file dialog's details in the default
// locale (Spanish), sizes its columns so headers and values show whole, and
// widens the dialog on showing when the columns need it. A native dialog,
// which has no widgets of Qt's, is left as it is.
void PrepareFileDialog(QFileDialog& dialog);

}  // namespace glifora
