#include "hostsettings/value_store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>

#include "platform/file_io.h"
#include "platform/profile_file.h"

namespace glifora {
namespace {

constexpr uint64_t kStoreLimit = 16u << 20;
constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kStoreName = "registro.reg";

std::string_view RootName(RegRoot root) {
    switch (root) {
        case RegRoot::CurrentUser:
            return "HKEY_CURRENT_USER";
    }
    return "";
}

std::string FullKey(RegRoot root, std::string_view key) {
    return std::string(RootName(root)) + "\\" + std::string(key);
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// 1 to `maxDigits` hexadecimal digits.
std::optional<uint32_t> ParseHex(std::string_view s, size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    uint32_t v = 0;
    for (char c : s) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = v * 16 + static_cast<uint32_t>(d);
    }
    return v;
}

std::string Escape(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

// The quoted text at the start of `s` with its escapes resolved, and the rest
// after the closing quote; nothing without a closing quote.
std::optional<std::pair<std::string, std::string_view>> Quoted(std::string_view s) {
    if (s.empty() || s.front() != '"') return std::nullopt;
    std::string out;
    for (size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') return std::pair{out, s.substr(i + 1)};
        if (c == '\\' && i + 1 < s.size()) {
            out += s[++i];
            continue;
        }
        out += c;
    }
    return std::nullopt;
}

std::string ValueText(std::string_view name, const RegValue& value) {
    const std::string quotedName = name.empty() ? "@" : "\"" + Escape(name) + "\"";
    return quotedName + "=" + FormatRegData(value);
}

// A key section of the file: its header line and one past its last line.
struct Section {
    std::optional<std::string> key;  // nothing for a header that names no key
    size_t header = 0;
    size_t end = 0;
};

// A value line, with the lines that continue it (a line ending in "\").
struct ValueLine {
    size_t section = 0;
    std::string name;
    std::string data;
    size_t first = 0;
    size_t last = 0;
};

class StoreText {
  public:
    explicit StoreText(std::string_view bytes) : text_(TextLines::Parse(bytes)) { Index(); }

    [[nodiscard]] const ValueLine* Find(std::string_view key, std::string_view name) const {
        for (auto v = values_.rbegin(); v != values_.rend(); ++v) {
            const Section& s = sections_[v->section];
            if (s.key && EqualsNoCase(*s.key, key) && EqualsNoCase(v->name, name)) return &*v;
        }
        return nullptr;
    }

    [[nodiscard]] bool Set(std::string_view key, std::string_view name, const RegValue& value) {
        if (text_.encoding == TextEncoding::Unsupported) return false;
        if (const ValueLine* v = Find(key, name)) {
            // The value keeps the name as it is spelled in the file.
            const std::string line = ValueText(v->name, value);
            for (size_t i = v->last; i > v->first; --i) text_.Erase(i);
            text_.Replace(v->first, line);
            return true;
        }
        const std::string line = ValueText(name, value);
        for (size_t k = sections_.size(); k-- > 0;) {
            const Section& s = sections_[k];
            if (!s.key || !EqualsNoCase(*s.key, key)) continue;
            // After the section's last line with something on it, or after
            // the blank line a byte list continued into (which would
            // otherwise lose its end to the new line).
            size_t lastFilled = s.header;
            for (size_t i = s.header + 1; i < s.end; ++i)
                if (!TrimBlanks(text_.Content(i)).empty()) lastFilled = i;
            for (const ValueLine& v : values_)
                if (v.section == k) lastFilled = std::max(lastFilled, v.last);
            text_.Insert(lastFilled + 1, line);
            return true;
        }
        if (text_.size() == 0) {
            text_.Insert(0, kHeader);
            text_.Insert(1, "");
        } else if (!TrimBlanks(text_.Content(text_.size() - 1)).empty()) {
            text_.Insert(text_.size(), "");
        }
        text_.Insert(text_.size(), "[" + std::string(key) + "]");
        text_.Insert(text_.size(), line);
        return true;
    }

    [[nodiscard]] std::string Bytes() const { return text_.Bytes(); }

  private:
    void Index() {
        sections_.push_back({});  // the lines before the first header
        for (size_t i = 0; i < text_.size(); ++i) {
            const std::string content = text_.Content(i);
            const std::string_view t = TrimBlanks(content);
            if (!t.empty() && t.front() == '[') {
                sections_.back().end = i;
                Section s;
                s.header = i;
                // "[-key]" deletes a key on import; a header without its
                // closing bracket names nothing, and the values under it
                // belong to no key until the next good header.
                if (t.back() == ']' && t.size() >= 2 && t[1] != '-')
                    s.key = std::string(TrimBlanks(t.substr(1, t.size() - 2)));
                sections_.push_back(std::move(s));
                continue;
            }
            ValueLine v;
            v.section = sections_.size() - 1;
            v.first = v.last = i;
            std::string_view rest = t;
            if (rest.starts_with('@')) {
                rest.remove_prefix(1);
            } else {
                auto q = Quoted(rest);
                if (!q) continue;
                v.name = std::move(q->first);
                rest = q->second;
            }
            rest = TrimBlanks(rest);
            if (!rest.starts_with('=')) continue;
            v.data = std::string(TrimBlanks(rest.substr(1)));
            // Only byte lists go on over several lines; a text may well end
            // in a backslash.
            if (StartsWithNoCase(v.data, "hex")) {
                // A line that opens a key or a value never continues one,
                // so nothing this store writes can be swallowed by a list
                // left open above it.
                while (!v.data.empty() && v.data.back() == '\\' && i + 1 < text_.size()) {
                    const std::string more = text_.Content(i + 1);
                    const std::string_view t = TrimBlanks(more);
                    if (t.starts_with('[') || t.starts_with('"') || t.starts_with('@')) break;
                    v.data.pop_back();
                    v.data += t;
                    ++i;
                }
                v.last = i;
            }
            values_.push_back(std::move(v));
        }
        sections_.back().end = text_.size();
    }

    TextLines text_;
    std::vector<Section> sections_;
    std::vector<ValueLine> values_;
};

std::optional<std::string> ReadStore(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) return std::string();
    return ReadWholeFile(path, kStoreLimit);
}

}  // namespace

std::optional<RegValue> ParseRegData(std::string_view data) {
    data = TrimBlanks(data);
    RegValue v;
    if (data.starts_with('"')) {
        auto q = Quoted(data);
        if (!q || !TrimBlanks(q->second).empty()) return std::nullopt;
        v.type = RegType::Text;
        v.text = std::move(q->first);
        return v;
    }
    if (StartsWithNoCase(data, "dword:")) {
        const auto n = ParseHex(TrimBlanks(data.substr(6)), 8);
        if (!n) return std::nullopt;
        v.type = RegType::Dword;
        v.number = *n;
        return v;
    }
    if (StartsWithNoCase(data, "hex(")) {
        v.type = RegType::Other;
        return v;
    }
    if (StartsWithNoCase(data, "hex:")) {
        std::string_view rest = TrimBlanks(data.substr(4));
        v.type = RegType::Binary;
        while (!rest.empty()) {
            const size_t comma = rest.find(',');
            const auto byte = ParseHex(TrimBlanks(rest.substr(0, comma)), 2);
            if (!byte) return std::nullopt;
            v.bytes.push_back(static_cast<uint8_t>(*byte));
            if (comma == std::string_view::npos) break;
            rest = TrimBlanks(rest.substr(comma + 1));  // a trailing comma ends the list
        }
        return v;
    }
    return std::nullopt;
}

std::string FormatRegData(const RegValue& value) {
    char buf[16];
    switch (value.type) {
        case RegType::Text:
            return "\"" + Escape(value.text) + "\"";
        case RegType::Dword:
            std::snprintf(buf, sizeof buf, "dword:%08x", value.number);
            return buf;
        case RegType::Binary: {
            std::string out = "hex:";
            for (size_t i = 0; i < value.bytes.size(); ++i) {
                std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", value.bytes[i]);
                out += buf;
            }
            return out;
        }
        case RegType::Other:
            break;
    }
    return {};
}

ValueStore::ValueStore(std::string path) : path_(std::move(path)) {}

std::optional<RegValue> ValueStore::Read(RegRoot root, std::string_view key,
                                         std::string_view name) const {
    const auto bytes = ReadStore(path_);
    if (!bytes) return std::nullopt;
    const StoreText store(*bytes);
    const ValueLine* v = store.Find(FullKey(root, key), name);
    if (!v) return std::nullopt;
    return ParseRegData(v->data);
}

bool ValueStore::Write(RegRoot root, std::string_view key, std::string_view name,
                       const RegValue& value) {
    if (value.type == RegType::Other) return false;
    if (!CanReplaceFile(path_)) return false;
    const QFileInfo info(QString::fromStdString(path_));
    const auto bytes = ReadStore(path_);
    if (!bytes) return false;
    if (!QDir().mkpath(info.absolutePath())) return false;
    const std::string full = FullKey(root, key);
    for (std::string_view text : {std::string_view(full), name, std::string_view(value.text)})
        if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
            return false;
    StoreText store(*bytes);
    if (!store.Set(full, name, value)) return false;
    return WriteFileAtomically(path_, store.Bytes());
}

int32_t ValueStore::ReadRegDword(RegRoot root, std::string_view key, std::string_view name) const {
    const auto v = Read(root, key, name);
    if (!v || v->type != RegType::Dword) return 0;
    return static_cast<int32_t>(v->number);
}

std::string ValueStore::ReadRegValue(RegRoot root, std::string_view key,
                                     std::string_view name) const {
    const auto v = Read(root, key, name);
    if (!v) return {};
    if (v->type == RegType::Text) return v->text.substr(0, v->text.find('\0'));
    if (v->type == RegType::Binary) {
        // The reader holds a 32-bit number: only the first four bytes fit.
        uint32_t n = 0;
        for (size_t i = 0; i < v->bytes.size() && i < 4; ++i)
            n |= static_cast<uint32_t>(v->bytes[i]) << (8 * i);
        return std::to_string(static_cast<int32_t>(n));
    }
    return {};
}

bool ValueStore::WriteRegBinary(RegRoot root, std::string_view key, std::string_view name,
                                std::span<const uint8_t> bytes) {
    RegValue v;
    v.type = RegType::Binary;
    v.bytes.assign(bytes.begin(), bytes.end());
    return Write(root, key, name, v);
}

std::string DefaultValueStorePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty()) return {};
    return folder.toStdString() + "/" + std::string(kStoreName);
}

}  // namespace glifora
