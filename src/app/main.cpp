#include <cstdlib>

#include "app/cli.h"
#include "app/desktop.h"

int main(int argc, char** argv) {
    if (glifora::cli::IsCliInvocation(argc, argv)) return glifora::cli::RunCli(argc, argv);
    return glifora::RunDesktop(argc, argv);
}
