#pragma once
// The animation page as one job: the frame pictures of a request, each with
// the text-art settings' effects applied and converted with the session's
// tables. The command line runs it; the window converts each frame through
// its working picture instead (see frmMain), with the same page writer.

#include "animation/animart_writer.h"
#include "textart/text_art_job.h"

namespace glifora {

struct AnimArtSettings {
    TextArtSettings text;   // how every frame becomes text art
    AnimArtRequest source;  // which pictures, in which order
};

// A frame maker that keeps the last decoded frame and converts it on its own.
class SettingsFrameMaker final : public FrameTextMaker {
  public:
    SettingsFrameMaker(const TextArtSettings& settings, const TextArtSession& session)
        : settings_(settings), session_(session) {}
    void LoadFrame(Raster picture) override;
    [[nodiscard]] std::string ConvertFrame() override;

  private:
    const TextArtSettings& settings_;
    const TextArtSession& session_;
    std::optional<Raster> current_;
};

AnimArtPageResult AnimArtFromFrames(const AnimArtSettings& settings, const TextArtSession& session,
                                    const ByteSink& sink, const AnimArtProgress& progress = {});

}  // namespace glifora
