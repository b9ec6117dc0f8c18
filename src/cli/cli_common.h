#pragma once
// What several subcommands share: the text-art options, failure messages,
// effect steps and the progress bar on stderr.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "filters/effect_step.h"
#include "platform/raster.h"
#include "textart/text_art_job.h"

namespace glifora::cli {

// Prints "glifora: " + message on stderr and returns kExitFailure.
int Fail(const std::string& message);

// The options that choose the measured font and tables (glyphs, ascii, anim).
[[nodiscard]] std::vector<OptionSpec> FontOptions();
// Those and the rest of the text-art conversion (ascii, anim).
[[nodiscard]] std::vector<OptionSpec> AsciiOptions();

// The settings of --palette, --font, --font-size and --negative.
[[nodiscard]] TextArtSettings FontSettingsFromArgs(const ParsedArgs& args);
// Every text-art option, effect steps parsed and checked (a UsageError for
// the first that cannot be used).
[[nodiscard]] TextArtSettings TextArtSettingsFromArgs(const ParsedArgs& args);
// The --effect steps, parsed and checked.
[[nodiscard]] std::vector<EffectStep> EffectStepsFromArgs(const ParsedArgs& args);

// Seeds the program's generator from --seed, or from the clock. Called after
// every argument is checked and before any picture is decoded.
void SeedFromArgs(const ParsedArgs& args);

// The session for the settings, from the user's glyph cache when it holds
// them; a --font that is not installed is named on stderr with the face used
// instead. `session` should be a deferred one, so nothing is drawn on a hit.
void PrepareSessionFor(TextArtSession& session, const TextArtSettings& settings);

// Draws a filter step's progress on stderr.
[[nodiscard]] EffectStepProgress EffectBar();

// Text as the terminal wants it: UTF-8 with LF line ends, no C1 controls.
[[nodiscard]] std::string ForTerminal(const std::string& ansiText);

// A progress bar on stderr, drawn only when stderr is a terminal.
class ProgressBar {
  public:
    explicit ProgressBar(std::string label);
    ~ProgressBar();
    void Update(double fraction);

  private:
    std::string label_;
    bool enabled_;
    int shown_ = -1;
};

}  // namespace glifora::cli
