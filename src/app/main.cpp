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

// The windows live in a module beside the executable (in the build) or in
// ../lib/glifora (installed). The command line never loads it, and with it
// Qt Widgets, whose loading and symbol binding is a good part of a small
// job's start-up.
int RunDesktopModule(int argc, char** argv) {
    const std::string folder = ExecutableFolder();
    std::string why = "no se conoce la carpeta del programa";
    for (const std::string& module :
         {folder + "/glifora-desktop.so", folder + "/../lib/glifora/glifora-desktop.so"}) {
        if (folder.empty()) break;
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            why = dlerror();
            continue;
        }
        using Run = int (*)(int, char**);
        if (auto run = reinterpret_cast<Run>(dlsym(handle, "glifora_run_desktop")))
            return run(argc, argv);
        why = dlerror();
    }
    std::fprintf(stderr, "glifora: no se puede cargar el programa de escritorio: %s\n",
                 why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (glifora::cli::IsCliInvocation(argc, argv)) return glifora::cli::RunCli(argc, argv);
    return RunDesktopModule(argc, argv);
}
