#pragma once
// Profile ("ini") files edited the way the Windows profile writer edits them:
// section and key names match without regard to case, a key is replaced in
// place or added after the last line of its section, a missing section goes
// to the end of the file. Every line the edit does not touch is kept byte for
// byte, with its own line end; the lines written end with CR LF.
//
// The line model underneath (TextLines) is shared with the other line-based
// files the program edits by hand.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glifora {

// How the bytes of a line file are to be read. Files are Windows-1252 unless
// they open with a UTF-8 byte-order mark, which is kept; UTF-16 files are
// read as nothing and never written.
enum class TextEncoding { Ansi, Utf8, Unsupported };

struct TextLines {
    TextEncoding encoding = TextEncoding::Ansi;
    // Bytes before the first line: the byte-order mark, or the whole of an
    // unsupported file, so that Bytes() gives back what Parse() was given.
    std::string prefix;
    std::vector<std::string>
        lines;  // each with its line end ("\r\n", "\n"; the last may have none)

    [[nodiscard]] static TextLines Parse(std::string_view bytes);
    [[nodiscard]] std::string Bytes() const;

    // A line's text without its line end, converted to Windows-1252.
    [[nodiscard]] std::string Content(size_t index) const;
    // Writes `ansi` + CR LF as line `index` (replacing it, or inserting before
    // it), in the file's encoding. Inserting at the end first ends an
    // unterminated last line.
    void Replace(size_t index, std::string_view ansi);
    void Insert(size_t index, std::string_view ansi);
    void Erase(size_t index);
    [[nodiscard]] size_t size() const { return lines.size(); }
};

// Case-insensitive equality of Windows-1252 texts (ASCII and the accented
// letters of the code page: "TAMAÑO" equals "tamaño").
[[nodiscard]] bool EqualsNoCase(std::string_view a, std::string_view b);
// Without leading and trailing blanks and tabs.
[[nodiscard]] std::string_view TrimBlanks(std::string_view s);

class ProfileFile {
  public:
    [[nodiscard]] static ProfileFile Parse(std::string_view bytes);

    // Sets `key` in `section` (Windows-1252 texts). False, and nothing
    // changed, when the texts cannot be written as one line (empty name, a
    // line break or NUL in any of them) or the file is in an encoding that is
    // not kept.
    [[nodiscard]] bool SetValue(std::string_view section, std::string_view key,
                                std::string_view value);
    // The value of the first matching key of the first matching section,
    // without surrounding blanks.
    [[nodiscard]] std::optional<std::string> Value(std::string_view section,
                                                   std::string_view key) const;
    // The section names in file order, as written.
    [[nodiscard]] std::vector<std::string> Sections() const;
    [[nodiscard]] std::string Bytes() const { return text_.Bytes(); }

  private:
    // Line index of the header of the first section named `section`.
    [[nodiscard]] std::optional<size_t> FindSection(std::string_view section) const;
    // One past the last line of the section whose header is at `header`.
    [[nodiscard]] size_t SectionEnd(size_t header) const;

    TextLines text_;
};

// Whether a line file may be written at `path`: nothing there yet, or a
// regular file the user may write that is not marked read-only (no write bit
// at all, which holds even for an administrator). Writes replace the file by
// renaming a new one over it, which a read-only file alone would not stop.
[[nodiscard]] bool CanReplaceFile(const std::string& path);

struct ProfileEntry {
    std::string section;  // Windows-1252 texts
    std::string key;
    std::string value;
};

// Writes the entries in order into the profile file at `path`: a missing file
// is created, the others' lines are kept. The file is replaced whole and only
// once all entries are in place, so a failure (unreadable or read-only file,
// missing folder, a text that cannot be written) leaves it as it was and
// returns false.
[[nodiscard]] bool WriteProfileStrings(const std::string& path,
                                       std::span<const ProfileEntry> entries);
// One entry; the Windows WritePrivateProfileString.
[[nodiscard]] bool WriteProfileString(std::string_view section, std::string_view key,
                                      std::string_view value, const std::string& path);

}  // namespace glifora
