#include "app/desktop.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/frm_main.h"
#include "app/icons.h"
#include "app/translations.h"
#include "cli/cli.h"
#include "platform/picture_decoder.h"
#include "platform/qt_dialogs.h"
#include "platform/random.h"

namespace glifora {

int RunDesktop(int argc, char** argv) {
    const bool display =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (!display) {
        std::cerr << "glifora: no hay pantalla; se muestra el AsciiArt de la imagen de muestra.\n";
        char* args[] = {argv[0], const_cast<char*>("ascii"), nullptr};
        return cli::RunFullCli(2, args);
    }
    MainOptions options;
    std::string picture;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--all-features") {
            options.allFeatures = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            std::cerr << "glifora: opción desconocida: " << arg << "\n"
                      << "Use «glifora --help» para ver las órdenes.\n";
            return cli::kExitUsage;
        } else if (picture.empty()) {
            picture = arg;
        } else {
            std::cerr << "glifora: sobran argumentos: " << arg << "\n";
            return cli::kExitUsage;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("glifora");
    QApplication::setApplicationDisplayName("Glifora");
    QApplication::setWindowIcon(ToolIcon(IconKind::App));
    // Standard buttons, dialogs, dates and numbers in Spanish, like the rest of the program.
    InstallSpanish();
    InitPictureDecoding();
    SeedRandomFromClock();

    QtDialogs dialogs;
    frmMain window(dialogs, options);
    dialogs.SetOwner(&window);
    window.show();
    if (!picture.empty()) window.LoadPictureFile(picture);
    return QApplication::exec();
}

}  // namespace glifora
