#pragma once
// The installed fixed-pitch font families.

#include <string>
#include <vector>

namespace glifora {

// Fixed-pitch family names (UTF-8), each once, sorted case-insensitively.
[[nodiscard]] std::vector<std::string> EnumFixedFonts();

}  // namespace glifora
