#pragma once
// Whole-file reads and writes. A write goes to a temporary file beside the
// target and is renamed over it only when complete, so a failure never leaves
// a half-written file that looks finished.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace glifora {

// Writes `bytes` to `path`. On failure returns false and sets `error` to a short
// Spanish reason; the target is then as it was before.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                                       std::string* error = nullptr);

// The same, for content made piece by piece: Append each piece in order, then
// Commit. Until Commit succeeds the target is untouched; a writer destroyed
// without a successful Commit leaves no trace. A target that is not a file
// (a device such as /dev/stdout, a named pipe) is written as the pieces come.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False once any piece failed (Commit then reports why).
    bool Append(std::string_view bytes);
    [[nodiscard]] bool Commit(std::string* error = nullptr);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Reads a whole file of at most `limit` bytes; nullopt and a reason otherwise.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit,
                                                       std::string* error = nullptr);

}  // namespace glifora
