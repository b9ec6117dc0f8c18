#pragma once
// Where a writer puts its bytes: a file being written atomically, a string, a
// test's recorder. A sink returns false once it cannot take more; writers
// then stop early, and the file's Commit reports why.

#include <functional>
#include <string>
#include <string_view>

namespace glifora {

using ByteSink = std::function<bool(std::string_view bytes)>;

// A sink that appends to `out`.
[[nodiscard]] inline ByteSink StringSink(std::string& out) {
    return [&out](std::string_view bytes) {
        out.append(bytes);
        return true;
    };
}

}  // namespace glifora
