#pragma once
// Opening paths, web addresses and "mailto:" addresses with the desktop's
// default handler, starting the character map, and the per-user temporary
// folder. Tests replace the opener to see what would be opened.

#include <functional>
#include <string>

namespace glifora {

// Opens `target` (a file path, web address or "mailto:" address); false when
// no handler could be started. Shows nothing itself.
bool ShellOpen(const std::string& target);
// Replaces the opener (nullptr restores the desktop's); returns the previous one.
using ShellOpener = std::function<void(const std::string&)>;
ShellOpener SetShellOpener(ShellOpener opener);

// Starts the first character map program found on the PATH, detached; true if one started.
bool StartCharacterMap();

// $XDG_RUNTIME_DIR when set and a directory, else the system temporary folder;
// no trailing slash.
[[nodiscard]] std::string UserTempFolder();

}  // namespace glifora
