#pragma once
// What the host settings panel shows of the text editor's and the browser's
// font settings, and the one value it writes (the browser's text size).

#include <cstdint>
#include <optional>
#include <string>

#include "hostsettings/value_store.h"

namespace glifora {

inline constexpr char kNotepadKey[] = "Software\\Microsoft\\Notepad";
inline constexpr char kBrowserScriptKey[] =
    "Software\\Microsoft\\Internet Explorer\\International\\Scripts\\3";

// The panel's content, read from the store.
struct HostSettingsView {
    // chkNAjuste: 0 unticked, 1 ticked, 2 greyed; nothing when the stored
    // number is none of these and the box stays as it was.
    std::optional<int> wordWrap;
    std::string pointSize;  // lblNSize, UTF-8
    std::string faceName;   // lblNFont, Windows-1252
    // cboESize: the item to select, nothing when the stored size is missing
    // or names no item.
    std::optional<int> browserSize;
};

// The check box state for a stored word-wrap number.
[[nodiscard]] std::optional<int> WordWrapState(int32_t stored);
// A size in tenths of a point in the shortest form, with `decimalSeparator`
// (UTF-8): 120 is "12", 105 is "10.5" or "10,5".
[[nodiscard]] std::string FormatTenths(int32_t tenths, const std::string& decimalSeparator);
// The browser size item for the stored value's text: a whole number 0 to 4.
[[nodiscard]] std::optional<int> BrowserSizeIndex(const std::string& text);

[[nodiscard]] HostSettingsView ReadHostSettings(const ValueStore& store,
                                                const std::string& decimalSeparator);
// The stored word-wrap state again (the check box's click shows it, never writes it).
[[nodiscard]] std::optional<int> ReadWordWrap(const ValueStore& store);
// Stores the browser text size as three bytes: the index's low byte, 0, 0.
bool WriteBrowserSize(ValueStore& store, int index);

}  // namespace glifora
