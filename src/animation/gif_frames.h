#pragma once
// Splitting an animated GIF into one small stand-alone GIF file per frame, by
// the file's block structure, and the frame list and frame selection that the
// frame dialog edits and the animation page reads.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glifora {

class WorkFolder;

// Where each frame's bytes lie in a GIF file. A frame begins at the first
// graphic control extension after the previous image, or at its image
// descriptor when it has none; it runs up to where the next frame begins, the
// last one up to the trailer, or to the end of a file that breaks off first.
// The header is every byte before the first frame.
struct GifFrameCut {
    struct Span {
        size_t begin;
        size_t end;  // one past the last byte
    };
    size_t headerEnd = 0;
    std::vector<Span> frames;  // empty for a file that is not a GIF or has no image
};
[[nodiscard]] GifFrameCut CutGifFrames(std::string_view gif);

// Frame file i (0-based): the header, the frame's bytes and a trailer byte.
[[nodiscard]] std::string FrameFileBytes(std::string_view gif, const GifFrameCut& cut, size_t i);

// Frame number n as at least two digits: 1 -> "01", 12 -> "12", 100 -> "100".
[[nodiscard]] std::string FrameNumberText(int n);
// "Fotograma " + FrameNumberText(n) + ".bmp" (the content is GIF data).
[[nodiscard]] std::string FrameFileName(int n);

// Frame files written into a folder, in frame order.
struct FrameFilesWritten {
    std::vector<std::string> startPositions;  // 1-based offset of each frame in the GIF
    std::string error;  // why writing stopped early; empty when every frame was written
};
// Writes every frame of `gif` as FrameFileName(n) into `folder`, each file
// whole or not at all; stops at the first file that cannot be written.
[[nodiscard]] FrameFilesWritten WriteFrameFiles(std::string_view gif, const std::string& folder);

// The frames of the GIF loaded last, as the window keeps them.
struct FrameState {
    std::vector<std::string> lstGIFFrames;  // one entry per frame file: its start position
    std::vector<std::string> selection;     // two-digit frame numbers, in page order
};

// chkAnimArt and cmdGIFAvance, as the split drives them.
class AnimArtControls {
  public:
    virtual ~AnimArtControls() = default;
    // Enables or disables both controls.
    virtual void EnableAnimArt(bool enabled) = 0;
    virtual void UncheckAnimArt() = 0;
};

// Every frame, "01" up to the frame list's count, in order.
void SelectAllFrames(FrameState& state);

struct SplitResult {
    int frames = 0;     // frame files now in the working folder
    std::string error;  // set when the GIF could not be read or a frame not written
};

// Picture loading of a file whose name ends in "GIF": replaces the frame files
// in the working folder, the frame list and, with two frames or more, the
// selection (all frames), and enables the animation controls for two frames
// or more, else disables and unchecks them. The frame list always names
// exactly the frame files written; an unusable working folder gets none.
SplitResult SplitGifFrames(const std::string& gifPath, const WorkFolder& folder, FrameState& state,
                           AnimArtControls& controls);

}  // namespace glifora
