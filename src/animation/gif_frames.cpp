#include "animation/gif_frames.h"

#include "animation/work_folder.h"
#include "platform/file_io.h"
#include "platform/gif_layout.h"
#include "platform/picture_decoder.h"

namespace glifora {

GifFrameCut CutGifFrames(std::string_view gif) {
    GifFrameCut cut;
    constexpr size_t kNone = std::string_view::npos;
    size_t pendingControl = kNone;
    size_t trailer = gif.size();
    const GifLayout layout = VisitGifBlocks(gif, [&](const GifBlock& block) {
        switch (block.kind) {
            case GifBlock::Kind::GraphicControl:
                if (pendingControl == kNone) pendingControl = block.begin;
                break;
            case GifBlock::Kind::Image:
                cut.frames.push_back({pendingControl == kNone ? block.begin : pendingControl, 0});
                pendingControl = kNone;
                break;
            case GifBlock::Kind::Trailer:
                trailer = block.begin;
                break;
            case GifBlock::Kind::OtherExtension:
                break;
        }
        return true;
    });
    if (!layout.signature) return cut;
    if (cut.frames.empty()) return cut;
    for (size_t i = 0; i + 1 < cut.frames.size(); ++i) cut.frames[i].end = cut.frames[i + 1].begin;
    cut.frames.back().end = layout.complete ? trailer : gif.size();
    cut.headerEnd = cut.frames.front().begin;
    return cut;
}

std::string FrameFileBytes(std::string_view gif, const GifFrameCut& cut, size_t i) {
    const GifFrameCut::Span& span = cut.frames.at(i);
    std::string bytes;
    bytes.reserve(cut.headerEnd + (span.end - span.begin) + 1);
    bytes.append(gif.substr(0, cut.headerEnd));
    bytes.append(gif.substr(span.begin, span.end - span.begin));
    bytes.push_back(0x3B);
    return bytes;
}

std::string FrameNumberText(int n) {
    std::string text = std::to_string(n);
    if (text.size() == 1) text.insert(0, "0");
    return text;
}

std::string FrameFileName(int n) {
    return "Fotograma " + FrameNumberText(n) + ".bmp";
}

FrameFilesWritten WriteFrameFiles(std::string_view gif, const std::string& folder) {
    FrameFilesWritten written;
    const GifFrameCut cut = CutGifFrames(gif);
    for (size_t i = 0; i < cut.frames.size(); ++i) {
        const std::string path = folder + "/" + FrameFileName(static_cast<int>(i) + 1);
        std::string why;
        if (!WriteFileAtomically(path, FrameFileBytes(gif, cut, i), &why)) {
            written.error = path + ": " + why;
            break;
        }
        written.startPositions.push_back(std::to_string(cut.frames[i].begin + 1));
    }
    return written;
}

void SelectAllFrames(FrameState& state) {
    state.selection.clear();
    for (size_t i = 1; i <= state.lstGIFFrames.size(); ++i)
        state.selection.push_back(FrameNumberText(static_cast<int>(i)));
}

SplitResult SplitGifFrames(const std::string& gifPath, const WorkFolder& folder, FrameState& state,
                           AnimArtControls& controls) {
    SplitResult result;
    state.lstGIFFrames.clear();
    if (!folder.Usable()) {
        result.error = "la carpeta de trabajo no se puede usar: " + folder.Path();
    } else {
        (void)folder.DeleteBitmaps();
        std::string why;
        const auto gif = ReadWholeFile(gifPath, kDecodeByteLimit, &why);
        if (!gif) {
            result.error = gifPath + ": " + why;
        } else {
            FrameFilesWritten written = WriteFrameFiles(*gif, folder.Path());
            state.lstGIFFrames = std::move(written.startPositions);
            result.error = std::move(written.error);
        }
    }
    result.frames = static_cast<int>(state.lstGIFFrames.size());
    if (result.frames >= 2) {
        controls.EnableAnimArt(true);
        SelectAllFrames(state);
    } else {
        controls.EnableAnimArt(false);
        controls.UncheckAnimArt();
    }
    return result;
}

}  // namespace glifora
