#include "hostsettings/host_settings.h"

#include <array>
#include <cstdlib>

#include "platform/profile_file.h"

namespace glifora {

std::optional<int> WordWrapState(int32_t stored) {
    if (stored < 0 || stored > 2) return std::nullopt;
    return stored;
}

std::string FormatTenths(int32_t tenths, const std::string& decimalSeparator) {
    const int64_t v = tenths;
    const int64_t magnitude = v < 0 ? -v : v;
    std::string out = v < 0 ? "-" : "";
    out += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) out += decimalSeparator + std::to_string(magnitude % 10);
    return out;
}

std::optional<int> BrowserSizeIndex(const std::string& text) {
    std::string_view t = TrimBlanks(text);
    if (t.empty() || t.size() > 11) return std::nullopt;
    bool negative = false;
    if (t.front() == '-' || t.front() == '+') {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return std::nullopt;
    int64_t n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (negative) n = -n;
    if (n < 0 || n > 4) return std::nullopt;
    return static_cast<int>(n);
}

std::optional<int> ReadWordWrap(const ValueStore& store) {
    return WordWrapState(store.ReadRegDword(RegRoot::CurrentUser, kNotepadKey, "fwrap"));
}

HostSettingsView ReadHostSettings(const ValueStore& store, const std::string& decimalSeparator) {
    HostSettingsView view;
    view.wordWrap = ReadWordWrap(store);
    view.pointSize = FormatTenths(
        store.ReadRegDword(RegRoot::CurrentUser, kNotepadKey, "iPointSize"), decimalSeparator);
    view.faceName = store.ReadRegValue(RegRoot::CurrentUser, kNotepadKey, "lfFaceName");
    view.browserSize =
        BrowserSizeIndex(store.ReadRegValue(RegRoot::CurrentUser, kBrowserScriptKey, "IEFontSize"));
    return view;
}

bool WriteBrowserSize(ValueStore& store, int index) {
    const std::array<uint8_t, 3> bytes = {static_cast<uint8_t>(index & 0xFF), 0, 0};
    return store.WriteRegBinary(RegRoot::CurrentUser, kBrowserScriptKey, "IEFontSize", bytes);
}

}  // namespace glifora
