#pragma once
// Measured glyph tables kept between runs, so a small command-line job draws
// no glyph and does not even start fontconfig. One file per face, size,
// palette and mode, under the user's cache folder. A kept state is used only
// when the file is whole and ours, was made for the same request under the
// same Qt and font environment, and neither the font file it was measured in
// nor anything that decides which file a face resolves to has changed since;
// anything else is a miss, and the fresh measurement replaces the file.

#include <optional>
#include <string>

#include "platform/text_font.h"
#include "textart/text_art_session.h"

class QFont;

namespace glifora {

struct GlyphCacheRequest {
    TextFont font;  // as asked, before any fallback
    int palette = 0;
    bool negative = false;
};

class GlyphCache {
  public:
    // A cache in `folder`, made when first written; an empty one keeps nothing.
    explicit GlyphCache(std::string folder);
    // "glifora" under $XDG_CACHE_HOME (else ~/.cache); none when
    // GLIFORA_NO_GLYPH_CACHE is set to anything but "" or "0".
    [[nodiscard]] static GlyphCache ForUser();

    [[nodiscard]] bool Enabled() const { return !folder_.empty(); }
    [[nodiscard]] std::string FileFor(const GlyphCacheRequest& request) const;

    [[nodiscard]] std::optional<MeasuredSession> Load(const GlyphCacheRequest& request) const;
    // Keeps `measured`, made in `font`. Failing to write is not an error:
    // the next run measures again.
    void Store(const GlyphCacheRequest& request, const MeasuredSession& measured,
               const QFont& font) const;

  private:
    std::string folder_;
};

}  // namespace glifora
