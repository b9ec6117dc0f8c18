#include <cstdlib>

#include "app/desktop.h"
#include "cli/cli.h"

int main(int argc, char** argv) {
    if (glifora::cli::IsCliInvocation(argc, argv)) return glifora::cli::RunCli(argc, argv);
    return glifora::RunDesktop(argc, argv);
}
