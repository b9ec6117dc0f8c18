#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>

#include "cli/cli.h"

namespace {

// The folder of the running executable, or "" when it cannot be told.
std::string ExecutableFolder() {
    std::array<char, 4096> path{};
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n <= 0) return {};
    const std::string exe(path.data(), static_cast<size_t>(n));
    return exe.substr(0, exe.find_last_of('/'));
}

// The windows and the full command set live in modules beside the executable
// (in the build) or in ../lib/glifora (installed). The executable itself
// links no Qt: a job that needs none (a filter on a bitmap) starts without
// mapping Qt's libraries, and the command line never loads Qt Widgets.
int RunModule(const char* file, const char* entry, const char* what, int argc, char** argv) {
    const std::string folder = ExecutableFolder();
    std::string why = "no se conoce la carpeta del programa";
    for (const std::string& module : {folder + "/" + file, folder + "/../lib/glifora/" + file}) {
        if (folder.empty()) break;
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            why = dlerror();
            continue;
        }
        using Run = int (*)(int, char**);
        if (auto run = reinterpret_cast<Run>(dlsym(handle, entry))) return run(argc, argv);
        why = dlerror();
    }
    std::fprintf(stderr, "glifora: no se puede cargar %s: %s\n", what, why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace glifora::cli;
    if (!IsCliInvocation(argc, argv))
        return RunModule("glifora-desktop.so", "glifora_run_desktop", "el programa de escritorio",
                         argc, argv);
    const int status = RunCli(argc, argv, LeanRunner);
    if (status != kExitElsewhere) return status;
    return RunModule("glifora-commands.so", "glifora_run_commands", "el módulo de órdenes", argc,
                     argv);
}
