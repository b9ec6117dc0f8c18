#include "textart/glyph_cache.h"

#include <QFont>
#include <QFontInfo>
#include <QtGlobal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/file_io.h"
#include "platform/font_setup.h"

namespace glifora {
namespace {

// Bump whenever the layout or what is measured changes: older files are then
// foreign and replaced. (The program's version is part of every key too.)
constexpr uint32_t kFormat = 1;
constexpr char kMagic[16] = {'G', 'L', 'I', 'F', 'O', 'R', 'A',  ' ',
                             'G', 'L', 'Y', 'P', 'H', 'S', '\n', '\0'};
// Far above any real cell (a 1638-point glyph is about 2200 x 2600 pixels).
constexpr int kMaxCellSide = 8192;
constexpr uint64_t kMaxFileBytes = uint64_t{1} << 30;

uint64_t Fnv1a(std::string_view bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    return h;
}

// Everything besides the request that changes what is measured or which font
// file a face resolves to.
const char* const kEnvironment[] = {
    "QT_QPA_PLATFORM",     "QT_QPA_PLATFORMTHEME", "QT_QPA_FONTDIR",
    "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",      "FONTCONFIG_FILE",
    "FONTCONFIG_PATH",     "FONTCONFIG_SYSROOT",   "HOME",
    "XDG_CONFIG_HOME",     "XDG_DATA_HOME",        "XDG_DATA_DIRS",
};

std::string KeyOf(const GlyphCacheRequest& r) {
    std::string key = "face=" + r.font.FontName + "\nsize=" + std::to_string(r.font.FontSize) +
                      "\npalette=" + std::to_string(r.palette) +
                      "\nnegative=" + (r.negative ? "1" : "0") + "\nqt=" + qVersion() +
                      "\nglifora=" GLIFORA_VERSION "\n";
    for (const char* name : kEnvironment) {
        const char* v = std::getenv(name);
        key += std::string(name) + (v ? "=" + std::string(v) : "") + "\n";
    }
    return key;
}

class Writer {
  public:
    void Bytes(const void* p, size_t n) { out.append(static_cast<const char*>(p), n); }
    void U32(uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
    }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void U64(uint64_t v) {
        for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
    }
    void F32(float v) {
        uint32_t bits = 0;
        std::memcpy(&bits, &v, 4);
        U32(bits);
    }
    void Str(std::string_view s) {
        U32(static_cast<uint32_t>(s.size()));
        Bytes(s.data(), s.size());
    }
    void Stamp(const PathStamp& s) {
        out.push_back(s.exists ? 1 : 0);
        U64(static_cast<uint64_t>(s.mtimeNs));
        U64(static_cast<uint64_t>(s.size));
    }
    std::string out;
};

// Reads past the end fail once and stay failed; callers check ok at the end.
class Reader {
  public:
    explicit Reader(std::string_view in) : in_(in) {}
    bool ok = true;
    [[nodiscard]] bool AtEnd() const { return pos_ == in_.size(); }
    std::string_view Bytes(size_t n) {
        if (!ok || in_.size() - pos_ < n) {
            ok = false;
            return {};
        }
        const std::string_view s = in_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    uint64_t Unsigned(int bytes) {
        const std::string_view b = Bytes(static_cast<size_t>(bytes));
        uint64_t v = 0;
        for (size_t i = 0; i < b.size(); ++i)
            v |= uint64_t{static_cast<unsigned char>(b[i])} << (8 * i);
        return v;
    }
    uint32_t U32() { return static_cast<uint32_t>(Unsigned(4)); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32() {
        const uint32_t bits = U32();
        float v = 0.0f;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    std::string Str() { return std::string(Bytes(U32())); }
    PathStamp Stamp() {
        PathStamp s;
        s.exists = Unsigned(1) != 0;
        s.mtimeNs = static_cast<long long>(Unsigned(8));
        s.size = static_cast<long long>(Unsigned(8));
        return s;
    }

  private:
    std::string_view in_;
    size_t pos_ = 0;
};

void PutTables(Writer& w, const MeasuredSession& m) {
    w.Str(m.family);
    w.I32(m.cell.width);
    w.I32(m.cell.height);
    w.I32(m.palette);
    const GlyphTables& t = m.tables;
    w.F32(t.PaletteFirst);
    w.F32(t.PaletteLast);
    for (float v : t.GlyphTable) w.F32(v);
    w.F32(t.MinBrightness);
    w.F32(t.MaxBrightness);
    for (int32_t v : t.LevelMap) w.I32(v);
    w.U32(t.CountedColor);
    w.I32(t.Shapes.width);
    w.I32(t.Shapes.height);
    for (const std::vector<uint8_t>& ink : t.Shapes.ink) {
        w.U32(static_cast<uint32_t>(ink.size()));
        w.Bytes(ink.data(), ink.size());
    }
}

// False for anything no measurement leaves: such a file is not ours.
bool GetTables(Reader& r, MeasuredSession& m) {
    m.family = r.Str();
    m.cell.width = r.I32();
    m.cell.height = r.I32();
    m.palette = r.I32();
    GlyphTables& t = m.tables;
    t.PaletteFirst = r.F32();
    t.PaletteLast = r.F32();
    for (float& v : t.GlyphTable) v = r.F32();
    t.MinBrightness = r.F32();
    t.MaxBrightness = r.F32();
    for (int32_t& v : t.LevelMap) {
        v = r.I32();
        if (v < 0 || v > 255) return false;
    }
    t.CountedColor = r.U32();
    t.Shapes.width = r.I32();
    t.Shapes.height = r.I32();
    if (!r.ok || m.palette < -1 || m.palette >= static_cast<int>(kPalettes.size()) ||
        (t.CountedColor != kCountWhite && t.CountedColor != kCountBlack) || m.cell.width < 0 ||
        m.cell.height < 0 || m.cell.width > kMaxCellSide || m.cell.height > kMaxCellSide ||
        t.Shapes.width != m.cell.width || t.Shapes.height != m.cell.height)
        return false;
    const size_t area = static_cast<size_t>(t.Shapes.width) * t.Shapes.height;
    for (std::vector<uint8_t>& ink : t.Shapes.ink) {
        const uint32_t n = r.U32();
        if (n != 0 && n != area) return false;
        const std::string_view bytes = r.Bytes(n);
        ink.assign(bytes.begin(), bytes.end());
        for (uint8_t b : ink)
            if (b > 1) return false;
    }
    return r.ok;
}

}  // namespace

GlyphCache::GlyphCache(std::string folder) : folder_(std::move(folder)) {}

GlyphCache GlyphCache::ForUser() {
    const char* off = std::getenv("GLIFORA_NO_GLYPH_CACHE");
    if (off != nullptr && *off != '\0' && std::strcmp(off, "0") != 0) return GlyphCache("");
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg != nullptr && xdg[0] == '/') return GlyphCache(std::string(xdg) + "/glifora");
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return GlyphCache(std::string(home) + "/.cache/glifora");
    return GlyphCache("");
}

std::string GlyphCache::FileFor(const GlyphCacheRequest& request) const {
    if (folder_.empty()) return {};
    char name[32];
    std::snprintf(name, sizeof name, "glyphs-%016llx.bin",
                  static_cast<unsigned long long>(Fnv1a(KeyOf(request))));
    return folder_ + "/" + name;
}

std::optional<MeasuredSession> GlyphCache::Load(const GlyphCacheRequest& request) const {
    if (folder_.empty()) return std::nullopt;
    const std::optional<std::string> file = ReadWholeFile(FileFor(request), kMaxFileBytes);
    if (!file || file->size() < sizeof kMagic + 8) return std::nullopt;
    const std::string_view body(file->data(), file->size() - 8);
    Reader tail(std::string_view(*file).substr(body.size()));
    if (tail.Unsigned(8) != Fnv1a(body)) return std::nullopt;  // cut short or damaged
    Reader r(body);
    if (r.Bytes(sizeof kMagic) != std::string_view(kMagic, sizeof kMagic) || r.U32() != kFormat ||
        r.Str() != KeyOf(request))
        return std::nullopt;
    const std::string fontFile = r.Str();
    const PathStamp fontStamp = r.Stamp();
    if (!r.ok || !fontStamp.exists || StampOf(fontFile) != fontStamp) return std::nullopt;
    for (uint32_t n = r.U32(); r.ok && n > 0; --n) {
        const std::string path = r.Str();
        const PathStamp stamp = r.Stamp();
        if (r.ok && StampOf(path) != stamp) return std::nullopt;
    }
    MeasuredSession m;
    if (!GetTables(r, m) || !r.AtEnd()) return std::nullopt;
    return m;
}

void GlyphCache::Store(const GlyphCacheRequest& request, const MeasuredSession& measured,
                       const QFont& font) const {
    if (folder_.empty()) return;
    const std::string fontFile =
        FontFileFor(QFontInfo(font).family().toStdString(), font.pixelSize());
    const PathStamp fontStamp = StampOf(fontFile);
    if (!fontStamp.exists) return;  // nothing to check a later run against
    Writer w;
    w.Bytes(kMagic, sizeof kMagic);
    w.U32(kFormat);
    w.Str(KeyOf(request));
    w.Str(fontFile);
    w.Stamp(fontStamp);
    const std::vector<std::string> paths = FontSetupPaths();
    w.U32(static_cast<uint32_t>(paths.size()));
    for (const std::string& p : paths) {
        w.Str(p);
        w.Stamp(StampOf(p));
    }
    PutTables(w, measured);
    w.U64(Fnv1a(w.out));
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    (void)WriteFileAtomically(FileFor(request), w.out);
}

}  // namespace glifora
