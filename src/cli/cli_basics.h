#pragma once
// What every subcommand may use, none of it needing Qt: the option lists,
// failure messages, effect steps, the generator's seed and the progress bar
// on stderr.

#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "filters/effect_step.h"

namespace glifora::cli {

// The options that choose the measured font and tables (glyphs, ascii, anim).
[[nodiscard]] std::vector<OptionSpec> FontOptions();
// Those and the rest of the text-art conversion (ascii, anim).
[[nodiscard]] std::vector<OptionSpec> AsciiOptions();

[[nodiscard]] std::vector<OptionSpec> TerminalColorOptions();  // ascii and anim
[[nodiscard]] std::vector<OptionSpec> PictureOptions();        // ascii

// Prints "glifora: " + message on stderr and returns kExitFailure.
int Fail(const std::string& message);

// The --effect steps, parsed and checked.
[[nodiscard]] std::vector<EffectStep> EffectStepsFromArgs(const ParsedArgs& args);

// Seeds the program's generator from --seed, or from the clock. Called after
// every argument is checked and before any picture is decoded.
void SeedFromArgs(const ParsedArgs& args);

// Draws a filter step's progress on stderr.
[[nodiscard]] EffectStepProgress EffectBar();

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
