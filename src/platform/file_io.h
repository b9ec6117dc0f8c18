#pragma once
// Whole-file reads and writes. A write goes to a temporary file beside the
// target and is renamed over it only when complete, so a failure never leaves
// a half-written file that looks finished.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glifora {

// Writes `bytes` to `path`. On failure returns false and sets `error` to a short
// Spanish reason; the target is then as it was before.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                                       std::string* error = nullptr);

// Reads a whole file of at most `limit` bytes; nullopt and a reason otherwise.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit,
                                                       std::string* error = nullptr);

}  // namespace glifora
