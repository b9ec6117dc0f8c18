#pragma once
// The headless command line: `glifora SUBCOMMAND ...`. Each subcommand is one
// row of the table in cli.cpp; who runs it depends on where the table is read.
// The executable needs no Qt and runs itself what needs none (the effect list,
// a filter from a plain bitmap or JPEG to a bitmap); everything else runs in
// the full command set, a module that the executable loads for it.

#include <string>
#include <vector>

#include "cli/cli_args.h"

namespace glifora::cli {

struct Subcommand {
    std::string name;
    std::string usage;  // the lines of --help for this subcommand
    std::vector<OptionSpec> options;
    size_t minPositionals = 0;
    size_t maxPositionals = 0;
};

using Runner = int (*)(const ParsedArgs& args);

// What a runner returns when the job needs the full command set; the caller
// then runs the whole command line there. Nothing has been written yet.
inline constexpr int kExitElsewhere = -1;

[[nodiscard]] const std::vector<Subcommand>& Subcommands();
[[nodiscard]] bool IsCliInvocation(int argc, char** argv);
// Runs --help, --version or a subcommand with the runner `runnerFor` gives
// for its name; kExitElsewhere when it gives none or the runner declines.
[[nodiscard]] int RunCli(int argc, char** argv, Runner (*runnerFor)(const std::string& name));

// The runners that need no Qt, for the executable.
[[nodiscard]] Runner LeanRunner(const std::string& name);

// The full command set: every runner, with Qt's notices kept off the terminal
// and its application object made when a font is first used.
[[nodiscard]] int RunFullCli(int argc, char** argv);

// Subcommand entry points.
int RunAscii(const ParsedArgs& args);
int RunGlyphs(const ParsedArgs& args);
int RunFonts(const ParsedArgs& args);
int RunWeb(const ParsedArgs& args);
int RunAnim(const ParsedArgs& args);
int RunFrames(const ParsedArgs& args);
int RunEffects(const ParsedArgs& args);
// filter, with every decoder and PNG output.
int RunFilter(const ParsedArgs& args);
// filter for plain bitmaps and JPEG written as bitmaps; kExitElsewhere for
// the rest.
int RunFilterDirectly(const ParsedArgs& args);

}  // namespace glifora::cli
