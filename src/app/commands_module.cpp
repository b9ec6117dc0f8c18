// The full command set as a module of its own, loaded by main() for the
// subcommands that need Qt.
#include "cli/cli.h"

extern "C" __attribute__((visibility("default"))) int glifora_run_commands(int argc, char** argv) {
    return glifora::cli::RunFullCli(argc, argv);
}
