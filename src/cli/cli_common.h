#pragma once
// What the text-art subcommands share: their options and settings, and
// text for the terminal.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_basics.h"
#include "platform/raster.h"
#include "textart/text_art_job.h"

namespace glifora::cli {

// The settings of --palette, --font, --font-size and --negative.
[[nodiscard]] TextArtSettings FontSettingsFromArgs(const ParsedArgs& args);
// Every text-art option, effect steps parsed and checked (a UsageError for
// the first that cannot be used).
[[nodiscard]] TextArtSettings TextArtSettingsFromArgs(const ParsedArgs& args);
// The session for the settings, from the user's glyph cache when it holds
// them; a --font that is not installed is named on stderr with the face used
// instead. `session` should be a deferred one, so nothing is drawn on a hit.
void PrepareSessionFor(TextArtSession& session, const TextArtSettings& settings);

// Text as the terminal wants it: UTF-8 with LF line ends, no C1 controls.
[[nodiscard]] std::string ForTerminal(const std::string& ansiText);

}  // namespace glifora::cli
