#include "platform/profile_file.h"

#include <QFile>
#include <QFileInfo>

#include "platform/ansi.h"
#include "platform/file_io.h"

namespace glifora {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
// Profile and value-store files are a few kilobytes; anything past this is
// not one of them and is left alone.
constexpr uint64_t kLineFileLimit = 16u << 20;

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

unsigned char FoldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    // À-Þ except the multiplication sign; Š Œ Ž; Ÿ.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
    if (c == 0x9F) return 0xFF;
    return c;
}

bool Writable(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// The name inside "[name]", or nothing when the line is not a section header.
// The name runs to the last closing bracket; a line without one is no header.
std::optional<std::string_view> SectionName(std::string_view content) {
    const std::string_view t = TrimBlanks(content);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const size_t close = t.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimBlanks(t.substr(1, close - 1));
}

// The key of a line: the text before its first "=", or the whole line.
std::string_view KeyOf(std::string_view content) {
    return TrimBlanks(content.substr(0, content.find('=')));
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(a[i])) !=
            FoldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// --- TextLines ---

TextLines TextLines::Parse(std::string_view bytes) {
    TextLines t;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        t.encoding = TextEncoding::Unsupported;
        t.prefix = std::string(bytes);
        return t;
    }
    if (bytes.starts_with(kUtf8Bom)) {
        t.encoding = TextEncoding::Utf8;
        t.prefix = std::string(kUtf8Bom);
        bytes.remove_prefix(kUtf8Bom.size());
    }
    while (!bytes.empty()) {
        const size_t nl = bytes.find('\n');
        const size_t n = nl == std::string_view::npos ? bytes.size() : nl + 1;
        t.lines.emplace_back(bytes.substr(0, n));
        bytes.remove_prefix(n);
    }
    return t;
}

std::string TextLines::Bytes() const {
    std::string out = prefix;
    for (const std::string& line : lines) out += line;
    return out;
}

std::string TextLines::Content(size_t index) const {
    const std::string_view c = WithoutLineEnd(lines[index]);
    return encoding == TextEncoding::Utf8 ? Utf8ToAnsi(c) : std::string(c);
}

void TextLines::Replace(size_t index, std::string_view ansi) {
    std::string line = encoding == TextEncoding::Utf8 ? AnsiToUtf8(ansi) : std::string(ansi);
    lines[index] = line + std::string(kLineEnd);
}

void TextLines::Insert(size_t index, std::string_view ansi) {
    // A last line that stops after its CR only needs the LF: a second CR
    // would become part of the line's text.
    if (index > 0 && index == lines.size() && !lines.back().ends_with('\n'))
        lines.back() += lines.back().ends_with('\r') ? std::string_view("\n") : kLineEnd;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), std::string());
    Replace(index, ansi);
}

void TextLines::Erase(size_t index) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
}

// --- ProfileFile ---

ProfileFile ProfileFile::Parse(std::string_view bytes) {
    ProfileFile f;
    f.text_ = TextLines::Parse(bytes);
    return f;
}

std::optional<size_t> ProfileFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < text_.size(); ++i) {
        const std::string content = text_.Content(i);
        const auto name = SectionName(content);
        if (name && EqualsNoCase(*name, section)) return i;
    }
    return std::nullopt;
}

size_t ProfileFile::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < text_.size() && !SectionName(text_.Content(i))) ++i;
    return i;
}

bool ProfileFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (text_.encoding == TextEncoding::Unsupported) return false;
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (section.empty() || key.empty() || !Writable(section) || !Writable(key) || !Writable(value))
        return false;
    const std::string line = std::string(key) + "=" + std::string(value);

    const auto header = FindSection(section);
    if (!header) {
        // Built by appending rather than with "[" + std::string(...): GCC 12
        // at -O3 reports a false -Wrestrict inside libstdc++ for the latter.
        text_.Insert(text_.size(), std::string("[").append(section).append("]"));
        text_.Insert(text_.size(), line);
        return true;
    }
    const size_t end = SectionEnd(*header);
    size_t lastFilled = *header;
    for (size_t i = *header + 1; i < end; ++i) {
        const std::string content = text_.Content(i);
        if (TrimBlanks(content).empty()) continue;
        lastFilled = i;
        if (EqualsNoCase(KeyOf(content), key)) {
            text_.Replace(i, line);
            return true;
        }
    }
    // After the section's last line that holds anything, so the blank lines
    // that part it from the next section stay where they are.
    text_.Insert(lastFilled + 1, line);
    return true;
}

std::optional<std::string> ProfileFile::Value(std::string_view section,
                                              std::string_view key) const {
    const auto header = FindSection(TrimBlanks(section));
    if (!header) return std::nullopt;
    const size_t end = SectionEnd(*header);
    for (size_t i = *header + 1; i < end; ++i) {
        const std::string content = text_.Content(i);
        const size_t eq = content.find('=');
        if (eq == std::string::npos) continue;
        if (EqualsNoCase(KeyOf(content), TrimBlanks(key)))
            return std::string(TrimBlanks(std::string_view(content).substr(eq + 1)));
    }
    return std::nullopt;
}

std::vector<std::string> ProfileFile::Sections() const {
    std::vector<std::string> names;
    for (size_t i = 0; i < text_.size(); ++i) {
        // The line must outlive the view SectionName returns into it.
        const std::string content = text_.Content(i);
        if (const auto name = SectionName(content)) names.emplace_back(*name);
    }
    return names;
}

// --- Writing ---

bool CanReplaceFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists() && !info.isSymLink()) return true;
    constexpr auto kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isFile() && info.isWritable() && (info.permissions() & kAnyWrite);
}

bool WriteProfileStrings(const std::string& path, std::span<const ProfileEntry> entries) {
    if (!CanReplaceFile(path)) return false;
    std::string bytes;
    if (QFileInfo::exists(QString::fromStdString(path))) {
        auto read = ReadWholeFile(path, kLineFileLimit);
        if (!read) return false;
        bytes = std::move(*read);
    }
    ProfileFile file = ProfileFile::Parse(bytes);
    for (const ProfileEntry& e : entries)
        if (!file.SetValue(e.section, e.key, e.value)) return false;
    return WriteFileAtomically(path, file.Bytes());
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    const ProfileEntry entry{std::string(section), std::string(key), std::string(value)};
    return WriteProfileStrings(path, std::span(&entry, 1));
}

}  // namespace glifora
