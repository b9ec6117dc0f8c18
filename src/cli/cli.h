#pragma once
// The headless command line: `glifora SUBCOMMAND ...`. Each subcommand is one
// row of the table in cli.cpp.

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
    int (*run)(const ParsedArgs& args) = nullptr;
};

[[nodiscard]] const std::vector<Subcommand>& Subcommands();
[[nodiscard]] bool IsCliInvocation(int argc, char** argv);
// Runs a subcommand, --help or --version; returns the exit status.
[[nodiscard]] int RunCli(int argc, char** argv);

// Subcommand entry points.
int RunAscii(const ParsedArgs& args);
int RunGlyphs(const ParsedArgs& args);
int RunFonts(const ParsedArgs& args);
int RunWeb(const ParsedArgs& args);
int RunAnim(const ParsedArgs& args);
int RunFrames(const ParsedArgs& args);
int RunFilter(const ParsedArgs& args);
int RunEffects(const ParsedArgs& args);

}  // namespace glifora::cli
