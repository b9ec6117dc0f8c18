#include "platform/font_setup.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

namespace glifora {
namespace {

void AddAll(FcStrList* list, std::vector<std::string>& out) {
    if (list == nullptr) return;
    while (FcChar8* s = FcStrListNext(list)) out.emplace_back(reinterpret_cast<const char*>(s));
    FcStrListDone(list);
}

std::string Env(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::string(v) : fallback;
}

std::string Parent(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace

std::string FontFileFor(const std::string& family, int pixelSize) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return {};
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    FcChar8* name = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &name) == FcResultMatch)
        file = reinterpret_cast<const char*>(name);
    if (match != nullptr) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}

std::vector<std::string> FontSetupPaths() {
    std::vector<std::string> paths;
    FcConfig* fc = FcConfigGetCurrent();
    if (fc != nullptr) {
        std::vector<std::string> files;
        AddAll(FcConfigGetConfigFiles(fc), files);
        for (const std::string& f : files) {
            paths.push_back(f);
            paths.push_back(Parent(f));  // a file added beside it
        }
        AddAll(FcConfigGetFontDirs(fc), paths);
    }
    // Read only when present: a user who creates one changes what resolves.
    const std::string home = Env("HOME", "");
    const std::string config = Env("XDG_CONFIG_HOME", home + "/.config");
    const std::string data = Env("XDG_DATA_HOME", home + "/.local/share");
    for (const std::string& p :
         {config + "/fontconfig", config + "/fontconfig/fonts.conf", config + "/fontconfig/conf.d",
          data + "/fonts", home + "/.fonts", home + "/.fonts.conf", home + "/.fonts.conf.d"})
        paths.push_back(p);
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

PathStamp StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    PathStamp s;
    s.exists = true;
    s.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    s.size = S_ISDIR(st.st_mode) ? 0 : static_cast<long long>(st.st_size);
    return s;
}

}  // namespace glifora
