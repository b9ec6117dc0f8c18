#pragma once
// The web-art page: the working picture sampled on a grid, each sample one
// character in the sample's colour. The page is made by a pure function of the
// picture, the web-art frame's settings and the writer's state; the window's
// command asks for the file and opens the page, the command line names it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "filters/effect_step.h"
#include "platform/byte_sink.h"
#include "platform/raster.h"

namespace glifora {

// Pressed buttons of TBBordesWeb: each extends the grid one pixel beyond that side.
struct WebBorders {
    bool top = false;     // WebBArriba
    bool bottom = false;  // WebBAbajo
    bool left = false;    // WebBIzquierda
    bool right = false;   // WebBDerecha
};

inline constexpr int kWebPaletteBinary = 0;    // "Binaria (0-1)"
inline constexpr int kWebPaletteUserText = 1;  // "Texto del usuario"

// Everything the writer reads from the web-art frame (mrcWeb).
struct WebArtSettings {
    bool quality = false;             // chkWebCalidad
    int palette = kWebPaletteBinary;  // cboPaletaWeb's index; -1 when nothing is selected
    std::string userText;             // txtPaletaWeb, Windows-1252 bytes
    int size = 3;                     // sldWTamaño, 1 to 5
    WebBorders borders;               // TBBordesWeb; used in quality mode only
    bool preview = false;             // chkWebArtPrev
    std::vector<EffectStep> effects;  // applied to the picture first, in order
};

// What lives from page to page for the whole run.
struct WebArtState {
    std::string WebBackColor = "#000000";  // "#RRGGBB", upper-case digits
    std::string WebPalette;                // Windows-1252 bytes
    int32_t WebPaletteIndex = 0;           // 1-based, last character taken; never reset
};

// A colour value split the way the page writes it: the invalid colour -1
// gives R = -1, G = 0, B = 0.
struct SampleColor {
    int16_t R = 0;
    int16_t G = 0;
    int16_t B = 0;
    friend bool operator==(const SampleColor&, const SampleColor&) = default;
};
[[nodiscard]] SampleColor SplitSampleColor(ColorValue c);

// "#" and two upper-case hexadecimal digits each of red, green and blue.
[[nodiscard]] std::string WebColorText(ColorValue c);

// First step of every page: "Binaria (0-1)" draws 200 digits 0 and 1 from the
// program's generator, "Texto del usuario" takes the user's text, no selection
// keeps the palette.
void PrepareWebPalette(const WebArtSettings& settings, WebArtState& state);

// The next palette character (empty when the palette is); the position runs on
// from page to page.
[[nodiscard]] std::string NextWebChar(WebArtState& state);

// Called after each written row with the rows done and the rows in all.
using WebArtProgress = std::function<void(int done, int total)>;

// The page's bytes for `picture` (Windows-1252, CR LF line ends). Takes the
// palette characters from `state`, which must already be prepared.
[[nodiscard]] std::string WebArtPage(const Raster& picture, const WebArtSettings& settings,
                                     WebArtState& state, const WebArtProgress& progress = {});

// The same page, handed to `sink` in pieces of about a megabyte as it is
// made, so a page of any size needs no more memory than one piece. False when
// the sink refused a piece (the rest is not made).
bool WriteWebArtPage(const Raster& picture, const WebArtSettings& settings, WebArtState& state,
                     const ByteSink& sink, const WebArtProgress& progress = {});

// The whole job: the settings' effects on `picture`, the palette prepared,
// then the page to `sink`.
bool WebArtFromPicture(Raster picture, const WebArtSettings& settings, WebArtState& state,
                       const ByteSink& sink, const WebArtProgress& progress = {},
                       const EffectStepProgress& effectProgress = {});

}  // namespace glifora
