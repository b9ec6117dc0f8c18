#pragma once
// What decides which font file a face name is drawn from, as fontconfig sees
// it. Asking is costly (fontconfig reads its whole configuration first), so
// it is asked once, when something measured in a font is to be kept; later
// runs only look at the files named here to see that nothing changed.

#include <string>
#include <vector>

namespace glifora {

// The file fontconfig gives for `family` at regular weight and `pixelSize`;
// empty when it gives none.
[[nodiscard]] std::string FontFileFor(const std::string& family, int pixelSize);

// Every file and folder whose change may change which file a face name
// resolves to, or how it is drawn: fontconfig's configuration files and their
// folders, its font folders, and the per-user places that would add to them
// once they exist.
[[nodiscard]] std::vector<std::string> FontSetupPaths();

// A file's or folder's state, as compared between runs.
struct PathStamp {
    bool exists = false;
    long long mtimeNs = 0;
    long long size = 0;
    friend bool operator==(const PathStamp&, const PathStamp&) = default;
};
[[nodiscard]] PathStamp StampOf(const std::string& path);

}  // namespace glifora
