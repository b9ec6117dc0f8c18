#pragma once
// The per-user value store that stands in for the registry of the text editor
// and the browser: one file in the REGEDIT4 text form,
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Microsoft\Notepad]
//   "lfFaceName"="Lucida Console"
//   "iPointSize"=dword:00000064
//
// Keys and value names match without regard to case; a value keeps its type
// (text, 32-bit number, bytes). Where a key or value appears twice, the last
// one holds, as when such a file is imported. Writes keep every other line of
// the file and replace it in one step, so a failure leaves it as it was.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glifora {

enum class RegRoot { CurrentUser };

enum class RegType {
    Text,    // "..."
    Dword,   // dword:xxxxxxxx
    Binary,  // hex:xx,xx,...
    Other,   // hex(n):..., read as no known type
};

struct RegValue {
    RegType type = RegType::Other;
    std::string text;            // Text: Windows-1252 bytes
    uint32_t number = 0;         // Dword
    std::vector<uint8_t> bytes;  // Binary
};

// The data of one value line, after the "=": nothing when it is none of the
// forms above (a bad line reads as a missing value).
[[nodiscard]] std::optional<RegValue> ParseRegData(std::string_view data);
// The text after "=" that ParseRegData reads back as `value` (not for Other).
[[nodiscard]] std::string FormatRegData(const RegValue& value);

class ValueStore {
  public:
    explicit ValueStore(std::string path);
    [[nodiscard]] const std::string& Path() const { return path_; }

    // The stored value, read from the file now; nothing when the file, the key
    // or the value is missing or unreadable.
    [[nodiscard]] std::optional<RegValue> Read(RegRoot root, std::string_view key,
                                               std::string_view name) const;
    // Stores `value` (Text, Dword or Binary), creating the file and the key as
    // needed. False, and the file unchanged, when it cannot be written.
    [[nodiscard]] bool Write(RegRoot root, std::string_view key, std::string_view name,
                             const RegValue& value);

    // The value when it is stored as a 32-bit number, otherwise 0.
    [[nodiscard]] int32_t ReadRegDword(RegRoot root, std::string_view key,
                                       std::string_view name) const;
    // A text value as stored (up to a NUL), a binary value's first bytes (at
    // most four) as a little-endian number in decimal; any other type or a
    // missing value gives empty text.
    [[nodiscard]] std::string ReadRegValue(RegRoot root, std::string_view key,
                                           std::string_view name) const;
    // Stores `bytes` as a binary value, whatever was stored there before.
    bool WriteRegBinary(RegRoot root, std::string_view key, std::string_view name,
                        std::span<const uint8_t> bytes);

  private:
    std::string path_;
};

// The store file in the per-user configuration folder.
[[nodiscard]] std::string DefaultValueStorePath();

}  // namespace glifora
