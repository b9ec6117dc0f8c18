#include "animation/anim_art_job.h"

namespace glifora {

void SettingsFrameMaker::LoadFrame(Raster picture) {
    ApplyEffectSteps(picture, settings_.effects);
    current_ = std::move(picture);
}

std::string SettingsFrameMaker::ConvertFrame() {
    // Before the first decodable frame there is no picture: an empty frame.
    return current_ ? ConvertPicture(*current_, settings_, session_).text : std::string();
}

AnimArtPageResult AnimArtFromFrames(const AnimArtSettings& settings, const TextArtSession& session,
                                    const ByteSink& sink, const AnimArtProgress& progress) {
    SettingsFrameMaker maker(settings.text, session);
    return WriteAnimArtPage(settings.source, maker, sink, progress);
}

}  // namespace glifora
