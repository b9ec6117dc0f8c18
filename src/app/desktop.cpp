#include "app/desktop.h"

#include <cstdlib>
#include <iostream>

#include "app/cli.h"

namespace glifora {

int RunDesktop(int argc, char** argv) {
    (void)argc;
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
                         std::getenv("QT_QPA_PLATFORM");
    if (!display) {
        std::cerr << "glifora: no hay pantalla; se muestra el AsciiArt de la imagen de muestra.\n";
        char* args[] = {argv[0], const_cast<char*>("ascii"), nullptr};
        return cli::RunCli(2, args);
    }
    std::cerr << "glifora: la ventana principal aún no está disponible.\n";
    return 1;
}

}  // namespace glifora
