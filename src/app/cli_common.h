#pragma once
// What several subcommands share: the text-art options, failure messages,
// effect steps and the progress bar on stderr.

#include <optional>
#include <string>
#include <vector>

#include "app/cli_args.h"
#include "platform/raster.h"
#include "textart/text_art_session.h"
#include "textart/text_conversion.h"

namespace glifora::cli {

// Prints "glifora: " + message on stderr and returns kExitFailure.
int Fail(const std::string& message);

// Options of the text-art conversion (ascii, and anim).
[[nodiscard]] std::vector<OptionSpec> AsciiOptions();

struct AsciiSettings {
    int palette = 0;
    TextFont font;
    int luminosity = 0;
    bool negative = false;
    std::optional<int> columns;  // --columns; otherwise from --size
    int sizePercent = 50;
    int screenWidth = 1920;
    bool outline = false;
    bool fill = false;
    std::vector<std::string> effects;
};

[[nodiscard]] AsciiSettings AsciiSettingsFromArgs(const ParsedArgs& args);

// A session with the settings' font, palette and negative option applied.
void PrepareSession(TextArtSession& session, const AsciiSettings& s);

// Column count for the settings and the session's cell.
[[nodiscard]] int ColumnsFor(const AsciiSettings& s, const TextArtSession& session);

// Applies each "E[:P]" step to `picture` in order. False, with `error` set,
// for an unknown effect or a bad parameter.
[[nodiscard]] bool ApplyEffectArgs(Raster& picture, const std::vector<std::string>& steps,
                                   std::string* error);

// Seeds the program's generator from --seed, or from the clock.
void SeedFromArgs(const ParsedArgs& args);

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
