#pragma once
// The animation page: a sequence of text-art frames and a small script that
// plays them, with a pause button, a step button and a delay field. Frames
// come from the selected frame files of an animated GIF or from every picture
// of a folder; each is converted by the caller, with the caller's settings.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_sink.h"
#include "platform/raster.h"

class QFont;

namespace glifora {

// lstGIF: page lines 7 to 83, the script, styles and control panel.
extern const std::array<std::string_view, 77> kAnimArtTemplate;

// FileGIF: the names (without folder) of the pictures in `folder` matching
// "*.bmp;*.gif;*.jpg;*.jpeg" in any case, in alphabetical order without
// regard to case. Empty for a folder that cannot be read.
[[nodiscard]] std::vector<std::string> ListPictureFiles(const std::string& folder);

// Turns frames into text art. The window puts each frame into its working
// picture and runs its conversion; the command line keeps the last frame and
// converts it with a TextArtSession.
class FrameTextMaker {
  public:
    virtual ~FrameTextMaker() = default;
    // A frame decoded from its file becomes the working picture. A frame that
    // cannot be decoded is not offered, so the previous picture stays.
    virtual void LoadFrame(Raster picture) = 0;
    // The text art of the working picture (Windows-1252, rows joined by CR
    // LF), plain: the page escapes its own copy.
    [[nodiscard]] virtual std::string ConvertFrame() = 0;
};

// The page up to the first frame (83 lines) for `frames` frames.
[[nodiscard]] std::string AnimArtPageHead(int frames);
// The five lines of frame n (1-based) holding `textArt`, escaped. The frame
// is shown in `face` (UTF-8, the font the frames were measured in), then in
// the browser's fixed-pitch font; an empty face names only the latter.
[[nodiscard]] std::string AnimArtFrameBlock(int n, std::string_view textArt, std::string_view face);
// "</body>" and "</html>".
[[nodiscard]] std::string AnimArtPageTail();

struct AnimArtRequest {
    std::string folder;  // the working folder (fromGif), or the folder of pictures
    bool fromGif = false;
    std::vector<std::string> selection;  // fromGif: frame numbers in page order
    std::string face;                    // the text-art font the frames are measured in (UTF-8)
};

// The family `font` resolves to on this system: the face the glyphs were
// really measured and drawn in, which is what a page should name.
[[nodiscard]] std::string MeasuredFace(const QFont& font);

struct AnimArtPageResult {
    bool written = false;                  // every piece reached the sink
    int frames = 0;                        // frame blocks in the page
    std::vector<std::string> undecodable;  // frame pictures that repeated the previous one
};

// Called after each frame with the frames done and the frames in all; the
// window lets its pending events run here.
using AnimArtProgress = std::function<void(int done, int total)>;

// The frame pictures of `request`, in page order, as paths.
[[nodiscard]] std::vector<std::string> AnimArtFramePaths(const AnimArtRequest& request);

// Writes the page to `sink`: the head, then every frame converted by `maker`
// as it is made, then the tail. A folder that lists no picture gives no page
// at all (nothing reaches the sink); callers ask for a file only after
// checking AnimArtFramePaths.
AnimArtPageResult WriteAnimArtPage(const AnimArtRequest& request, FrameTextMaker& maker,
                                   const ByteSink& sink, const AnimArtProgress& progress = {});

// The question of "Crear AnimArt de un directorio" (UTF-8).
[[nodiscard]] std::string AnimArtFolderQuestion();

}  // namespace glifora
