// The desktop program as a module of its own, loaded by main() only when a
// window is wanted.
#include "app/desktop.h"

extern "C" __attribute__((visibility("default"))) int glifora_run_desktop(int argc, char** argv) {
    return glifora::RunDesktop(argc, argv);
}
